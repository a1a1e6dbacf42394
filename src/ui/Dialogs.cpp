#include "ui/Dialogs.h"

#include <QStringList>

namespace ui {

void Dialogs::Message(const QString& text, const QString& caption) {
  Show({BoxKind::Information, text, caption, Buttons::Ok});
}

void Dialogs::Error(const QString& text) { Show({BoxKind::Error, text, {}, Buttons::Ok}); }

bool Dialogs::AskYesNo(const QString& text, const QString& caption) {
  return Show({BoxKind::Question, text, caption, Buttons::YesNo}) == Answer::Yes;
}

bool Dialogs::AskYes(const QString& text, const QString& caption) {
  return Show({BoxKind::Question, text, caption, Buttons::Yes}) == Answer::Yes;
}

bool Dialogs::AskOkCancel(const QString& text, const QString& caption, BoxKind kind) {
  return Show({kind, text, caption, Buttons::OkCancel}) == Answer::Ok;
}

QString ToQtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace ui
