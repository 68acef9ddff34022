#include "core/frmSplash.h"

frmSplash *frmSplash::Loaded() { return nullptr; }
frmSplash *frmSplash::Load() { return nullptr; }
void frmSplash::UnloadSplash() {}
void frmSplash::Progress(int) {}
frmSplash::frmSplash(QWidget *parent) : QWidget(parent) {}
frmSplash::~frmSplash() = default;
void frmSplash::Form_Load() {}
void frmSplash::Image2_Click() {}
void frmSplash::Label2_MouseDown() {}
void frmSplash::lblEmail_Click() {}
bool frmSplash::eventFilter(QObject *, QEvent *) { return false; }
