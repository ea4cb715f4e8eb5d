// File types: a MIME type name with its extensions and Mac type and creator codes, registered with the
// framework the first time it is converted to text and deregistered when it is changed or released.
#pragma once

#include <functional>
#include <string>
#include <vector>

class FileType {
  public:
    FileType() = default;
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Extensions() const { return extensions_; }
    const std::string& MacType() const { return macType_; }
    const std::string& MacCreator() const { return macCreator_; }
    // Each setter first takes a registered type out of the registry.
    void Name(const std::string& value);
    void Extensions(const std::string& value);
    void MacType(const std::string& value);
    void MacCreator(const std::string& value);

    // The conversion to text: registers the type unless it is registered already, and gives its Name.
    std::string ToText();
    bool Registered() const { return registered_; }

    // True when the file name ends in one of the extensions, letter case ignored.
    bool MatchesFileName(const std::string& fileName) const;

  private:
    void Deregister();

    std::string name_, extensions_, macType_, macCreator_;
    bool registered_ = false;
};

// The registered types, in the order of their registration.
std::vector<const FileType*> RegisteredFileTypes();
// The registered type of that name, or nil.
const FileType* FindFileType(const std::string& name);
// Observes registrations ("register", name) and deregistrations ("deregister", name); nil to stop.
void ObserveFileTypeRegistry(std::function<void(const std::string& event, const std::string& name)> observer);
