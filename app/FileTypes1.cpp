#include "app/FileTypes1.h"

namespace FileTypes1 {

Ref<FileType> pJpeg;
Ref<FileType> pPng;
Ref<FileType> pImageXBmp;

namespace {

struct TypeRow {
    Ref<FileType>* global;
    const char* name;
    const char* extensions;
    const char* macType;
    const char* macCreator;
};

const TypeRow kTypes[] = {
    {&pJpeg, "image/jpeg", ".jfif;.jpe;.jpeg;.jpg", "JPEG", "prvw"},
    {&pPng, "image/png", ".png", "PNGf", "ogle"},
    {&pImageXBmp, "image/x-bmp", ".bmp;.dib", "BMPf", "ogle"},
};

}  // namespace

void Initialize() {
    for (const TypeRow& row : kTypes) {
        *row.global = std::make_shared<FileType>();
        FileType& type = NonNil(*row.global, std::string("the file type ") + row.name);
        type.Name(row.name);
        type.Extensions(row.extensions);
        type.MacType(row.macType);
        type.MacCreator(row.macCreator);
        // The conversion to text registers the type; the text itself is not needed.
        type.ToText();
    }
}

void pJpeg_Exit() {
    pJpeg.reset();
}
void pPng_Exit() {
    pPng.reset();
}
void pImageXBmp_Exit() {
    pImageXBmp.reset();
}

}  // namespace FileTypes1
