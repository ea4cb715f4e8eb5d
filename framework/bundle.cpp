#include "framework/bundle.h"

#include <QFileInfo>

Ref<FolderItem> BundleResourcesFolder() {
    Ref<FolderItem> binFolder = NonNil(ExecutableFile(), "the executable's file").Parent();
    Ref<FolderItem> bundle = NonNil(binFolder, "the executable's folder").Parent();
    Ref<FolderItem> resources = NonNil(bundle, "the bundle's folder").Child("Resources");
    if (!resources || !QFileInfo(QString::fromStdString(resources->AbsolutePath())).isDir()) return nullptr;
    return resources;
}
