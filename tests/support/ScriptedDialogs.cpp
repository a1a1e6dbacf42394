#include "ScriptedDialogs.h"

#include <QPrinter>
#include <QTemporaryDir>

namespace test {
namespace {

app::Answer ClosedAnswer(app::Buttons buttons) {
  switch (buttons) {
    case app::Buttons::Ok:
      return app::Answer::Ok;
    case app::Buttons::OkCancel:
      return app::Answer::Cancel;
    case app::Buttons::YesNo:
    case app::Buttons::Yes:
      return app::Answer::No;
  }
  return app::Answer::Cancel;
}

QString Next(std::deque<QString>& queue) {
  if (queue.empty()) return {};
  QString name = queue.front();
  queue.pop_front();
  return name;
}

}  // namespace

app::Answer ScriptedDialogs::Show(const app::MessageRequest& request) {
  messages.push_back(request);
  if (answers.empty()) return ClosedAnswer(request.buttons);
  const app::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

QString ScriptedDialogs::OpenFileName(const app::FileRequest& request) {
  openRequests.push_back(request);
  return Next(fileNames);
}

QString ScriptedDialogs::SaveFileName(const app::FileRequest& request) {
  saveRequests.push_back(request);
  return Next(fileNames);
}

void ScriptedDialogs::PrintPreview(const std::function<void(QPrinter&)>& render) {
  ++previews;
  QTemporaryDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("preview.pdf")));
  render(printer);
}

std::vector<QString> ScriptedDialogs::Texts(app::BoxKind kind) const {
  std::vector<QString> texts;
  for (const app::MessageRequest& message : messages) {
    if (message.kind == kind) texts.push_back(message.text);
  }
  return texts;
}

std::vector<QString> ScriptedDialogs::Texts() const {
  std::vector<QString> texts;
  for (const app::MessageRequest& message : messages) texts.push_back(message.text);
  return texts;
}

}  // namespace test
