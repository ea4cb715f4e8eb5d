#include "framework/filetype.h"

#include <algorithm>
#include <cctype>

namespace {

std::vector<const FileType*>& Registry() {
    static std::vector<const FileType*> registry;
    return registry;
}

std::function<void(const std::string&, const std::string&)>& Observer() {
    static std::function<void(const std::string&, const std::string&)> observer;
    return observer;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

FileType::~FileType() {
    Deregister();
}

void FileType::Deregister() {
    if (!registered_) return;
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
    registered_ = false;
    if (Observer()) Observer()("deregister", name_);
}

void FileType::Name(const std::string& value) {
    Deregister();
    name_ = value;
}
void FileType::Extensions(const std::string& value) {
    Deregister();
    extensions_ = value;
}
void FileType::MacType(const std::string& value) {
    Deregister();
    macType_ = value;
}
void FileType::MacCreator(const std::string& value) {
    Deregister();
    macCreator_ = value;
}

std::string FileType::ToText() {
    if (!registered_) {
        Registry().push_back(this);
        registered_ = true;
        if (Observer()) Observer()("register", name_);
    }
    return name_;
}

bool FileType::MatchesFileName(const std::string& fileName) const {
    const std::string name = Lower(fileName);
    size_t start = 0;
    while (start <= extensions_.size()) {
        size_t end = extensions_.find(';', start);
        if (end == std::string::npos) end = extensions_.size();
        const std::string extension = Lower(extensions_.substr(start, end - start));
        if (!extension.empty() && name.size() > extension.size() &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

std::vector<const FileType*> RegisteredFileTypes() {
    return Registry();
}

const FileType* FindFileType(const std::string& name) {
    for (const FileType* type : Registry())
        if (type->Name() == name) return type;
    return nullptr;
}

void ObserveFileTypeRegistry(std::function<void(const std::string&, const std::string&)> observer) {
    Observer() = std::move(observer);
}
