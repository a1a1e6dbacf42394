#pragma once

// A new temporary folder that is the working directory while the object lives, as the program's
// working folder in tests of start-up and of the files read from it.

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace test {

class WorkingFolder {
 public:
  WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
  ~WorkingFolder() { QDir::setCurrent(previous_); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  QString Path() const { return folder_.path(); }
  QString FilePath(const QString& name) const { return folder_.filePath(name); }

 private:
  QTemporaryDir folder_;
  QString previous_;
};

}  // namespace test
