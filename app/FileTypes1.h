// The program's file types: JPEG, PNG and BMP pictures, registered at start-up and released at shut-down.
#pragma once

#include "framework/filetype.h"
#include "framework/object.h"

namespace FileTypes1 {

extern Ref<FileType> pJpeg;
extern Ref<FileType> pPng;
extern Ref<FileType> pImageXBmp;

// Makes and registers the three types, in the order JPEG, PNG, BMP.
void Initialize();

// Exit hooks: each releases its global and sets it to nil.
void pJpeg_Exit();
void pPng_Exit();
void pImageXBmp_Exit();

}  // namespace FileTypes1
