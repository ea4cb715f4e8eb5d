// The application's widget style: the platform's own, with the menu bar's overflow icon drawn here
// rather than read from an image file, so that start-up loads no image decoders.
#pragma once

class QStyle;

// Wraps the platform's style; the application takes ownership.
QStyle* MakeAppStyle();
