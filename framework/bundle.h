// The application bundle: the executable lies in <bundle>/bin, its resources in <bundle>/Resources.
#pragma once

#include "framework/folder_item.h"
#include "framework/object.h"

// The bundle's Resources folder, nil when the bundle has none. Raises NilObjectException when the
// executable's file, or a folder on the way up from it, is nil.
Ref<FolderItem> BundleResourcesFolder();
