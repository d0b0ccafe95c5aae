#pragma once
#include "base/text.h"

// "http://wpa.qq.com/msgrd?v=3&uin=" + the contact QQ number + "&site=qq&menu=yes".
Text ContactPageAddress();
// The maker's home page as a bare host name ("www." ...), which the shell
// takes for a web address.
Text HomePageAddress();

// Each hands its address to the browser once; nothing is reported.
void OpenContactPage();
void OpenHomePage();
