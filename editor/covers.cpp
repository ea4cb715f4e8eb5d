#include "editor/covers.h"

namespace covers {

const CoverRow kCdFront = {"CD front cover",
                           "cdFront",
                           "StaticText1",
                           "naamCDFront",
                           &Main::piccdFront,
                           &Main::filenaamCDFront,
                           0,
                           "btnRotateCdFront",
                           "btnPrintCdFront",
                           "FileInsertCDfront",
                           120,
                           120,
                           10};
const CoverRow kCdBack = {"CD back cover",
                          "cdBack",
                          "StaticText2",
                          "naamCDBack",
                          &Main::piccdBack,
                          &Main::filenaamCDBack,
                          0,
                          "btnRotateCdBack",
                          "btnPrintCdBack",
                          "FileInsertCDbackcover",
                          117,
                          150,
                          10};
const CoverRow kDvd = {"DVD cover",
                       "dvdCover",
                       "StaticText3",
                       "naamDVD",
                       &Main::picdvd,
                       &Main::filenaamDVD,
                       1,
                       "btnRotateDvd",
                       "btnPrintDvd",
                       "FileInsertDVDcover",
                       183,
                       273,
                       5};

}  // namespace covers
