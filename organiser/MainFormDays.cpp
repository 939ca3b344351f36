// The name-day and holiday pages.
#include "MainForm.h"

void TfrmMain::RefreshNevnapUnnepLists() {
}
