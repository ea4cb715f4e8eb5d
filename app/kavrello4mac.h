// The application class: the framework's application object, equipped only with its menu bar.
#pragma once

#include "framework/application.h"

class kavrello4mac : public Application {};
