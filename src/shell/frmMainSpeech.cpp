#include "shell/frmMain.h"

// Speech commands of the Ticker menu: built with the speech control.
void frmMain::Speak(int) {}
