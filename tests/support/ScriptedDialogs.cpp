#include "ScriptedDialogs.h"

#include <QPrinter>
#include <QTemporaryDir>

namespace test {
namespace {

ui::Answer ClosedAnswer(ui::Buttons buttons) {
  switch (buttons) {
    case ui::Buttons::Ok:
      return ui::Answer::Ok;
    case ui::Buttons::OkCancel:
      return ui::Answer::Cancel;
    case ui::Buttons::YesNo:
    case ui::Buttons::Yes:
      return ui::Answer::No;
  }
  return ui::Answer::Cancel;
}

QString Next(std::deque<QString>& queue) {
  if (queue.empty()) return {};
  QString name = queue.front();
  queue.pop_front();
  return name;
}

}  // namespace

ui::Answer ScriptedDialogs::Show(const ui::MessageRequest& request) {
  messages.push_back(request);
  if (answers.empty()) return ClosedAnswer(request.buttons);
  const ui::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

QString ScriptedDialogs::OpenFileName(const ui::FileRequest& request) {
  openRequests.push_back(request);
  return Next(fileNames);
}

QString ScriptedDialogs::SaveFileName(const ui::FileRequest& request) {
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

std::vector<QString> ScriptedDialogs::Texts(ui::BoxKind kind) const {
  std::vector<QString> texts;
  for (const ui::MessageRequest& message : messages) {
    if (message.kind == kind) texts.push_back(message.text);
  }
  return texts;
}

std::vector<QString> ScriptedDialogs::Texts() const {
  std::vector<QString> texts;
  for (const ui::MessageRequest& message : messages) texts.push_back(message.text);
  return texts;
}

}  // namespace test
