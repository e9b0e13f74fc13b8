#include "desktop_state.h"

#include <QDesktopServices>
#include <QDir>

namespace zumoku::test {

CurrentFolder::CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) { QDir::setCurrent(folder); }
CurrentFolder::~CurrentFolder() { QDir::setCurrent(previous_); }

UrlCatcher::UrlCatcher(const QString& scheme) : scheme_(scheme) {
  QDesktopServices::setUrlHandler(scheme_, this, "open");
}
UrlCatcher::~UrlCatcher() { QDesktopServices::unsetUrlHandler(scheme_); }

}  // namespace zumoku::test
