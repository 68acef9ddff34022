#include "shell/frmMain.h"

// Popup menus, their commands, and stock set switching.
void frmMain::WireMenus() {}
void frmMain::mnuStart_Click(int) {}
void frmMain::mnuUpdate_Click(int) {}
void frmMain::mnuUpdates_Click() {}
void frmMain::mnuSetting_Click(int) {}
void frmMain::mnuHelp_Click(int) {}
void frmMain::mnuReports_Click() {}
void frmMain::mnuReport_Click(int) {}
void frmMain::mnuTray_Click(int) {}
void frmMain::mnu_Preference_Click() {}
void frmMain::TrayUpdate() {}
void frmMain::TrayRestore() {}
void frmMain::TrayMenu() {}
void frmMain::mnuSet_Click(int) {}
void frmMain::ShowConsultation(int) {}
