// Files: a FolderItem names a file or folder by its absolute path; it can open the file as a picture.
#pragma once

#include <cstdint>
#include <string>

#include "framework/object.h"

class Picture;

class FolderItem {
  public:
    explicit FolderItem(std::string absolutePath);

    // The name alone, without its folders.
    std::string Name() const;
    const std::string& AbsolutePath() const { return path_; }
    // The folder that holds this item; nil for the root.
    Ref<FolderItem> Parent() const;
    // The item of that name inside this folder, whether or not it exists; nil for an invalid name.
    Ref<FolderItem> Child(const std::string& name) const;

    // The file decoded as a picture, turned as its EXIF orientation says; nil when that fails, and
    // LastError() then says why ("it is not a picture", "it does not exist", ...).
    Ref<Picture> OpenAsPicture() const;
    const std::string& LastError() const { return lastError_; }

  private:
    std::string path_;
    mutable std::string lastError_;
};

// The item for an absolute path (path type 0); nil for an empty or relative path.
Ref<FolderItem> GetFolderItem(const std::string& path, int32_t pathType = 0);
// The executable's own file.
Ref<FolderItem> ExecutableFile();
// Stands another file (nil too) in for the executable's own, so tests can lay out a bundle of their own;
// UseRealExecutableFile goes back to the real one.
void OverrideExecutableFile(const Ref<FolderItem>& file);
void UseRealExecutableFile();
