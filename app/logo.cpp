#include "app/logo.h"

#include "framework/bundle.h"
#include "framework/folder_item.h"
#include "framework/picture.h"

namespace {
// The accessor's statics: once a picture is loaded it stays until the process ends.
bool logoOnce = false;
Ref<Picture> logoCache;
}  // namespace

Ref<Picture> kavrello_logo() {
    if (!logoOnce) {
        logoOnce = true;
        logoCache = nullptr;
    }
    if (!logoCache) {
        if (Ref<FolderItem> resources = BundleResourcesFolder()) {
            logoCache = NonNil(resources->Child("kavrello_logo.jpg"), "the logo's file").OpenAsPicture();
            // Read now, once: a later box shows the logo even after its file has gone.
            try {
                if (logoCache) logoCache->Load();
            } catch (const NilObjectException&) {
                logoCache = nullptr;
            }
        }
    }
    return logoCache;
}

void ResetLogoCache() {
    logoOnce = false;
}
