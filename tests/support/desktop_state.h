#pragma once
// Process-wide state that a test changes and must give back: the working
// folder and the desktop services' URL handlers.
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

namespace zumoku::test {

// Makes `folder` the working folder until destroyed.
class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& folder);
  ~CurrentFolder();

 private:
  QString previous_;
};

// Catches what QDesktopServices::openUrl is asked to open for `scheme`,
// until destroyed.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  explicit UrlCatcher(const QString& scheme);
  ~UrlCatcher() override;

  QList<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls << url; }

 private:
  QString scheme_;
};

}  // namespace zumoku::test
