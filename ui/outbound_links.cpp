#include "ui/outbound_links.h"

#include "build_settings.h"

namespace {
const char kChatLaunchHost[] = "wpa.qq.com";
}

Text ContactPageAddress() {
  return Text("http://") + kChatLaunchHost + "/msgrd?v=3&uin=" + QZ_CONTACT_QQ + "&site=qq&menu=yes";
}

Text HomePageAddress() { return QZ_HOME_PAGE; }
