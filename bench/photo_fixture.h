// A photo-like 6000 x 4000 JPEG (4:2:0, quality 90), made once per run in a temporary folder.
#pragma once

#include <string>

// The file's absolute path; made on the first call.
const std::string& Photo24MP();
