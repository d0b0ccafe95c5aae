#include "toolkit/shell_win.h"
#include "ui/outbound_links.h"

void OpenContactPage() { OpenWebPage(ContactPageAddress()); }

void OpenHomePage() { OpenWebPage(HomePageAddress()); }
