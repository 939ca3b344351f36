#include "MainSettings.h"

TMainSettings MainSettings;
QString HomePage;
QString UpdateServer;
