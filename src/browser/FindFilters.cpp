// The main window's part-of-speech buttons and theme list.

#include <QComboBox>
#include <QSignalBlocker>
#include <QToolButton>
#include <utility>

#include "app/Find.h"
#include "browser/Filters.h"

int TFormSelect::ThemePosition() const {
  const int position = CBTheme->currentIndex();
  return position >= 0 && CBTheme->currentText() == CBTheme->itemText(position) ? position : -1;
}

void TFormSelect::ThemeToAll() {
  const QSignalBlocker blocker(CBTheme);
  CBTheme->setCurrentIndex(0);
  CBTheme->setEditText(CBTheme->itemText(0));
}

void TFormSelect::ApplyPartFilter(const QString& partCode, int themePosition) {
  browser::ApplyPartFilter(Tables(), partCode.toStdString(), themePosition);
}

void TFormSelect::ApplyFilters() {
  std::optional<std::string_view> pressed;
  for (const auto& [button, code] : {std::pair<QToolButton*, std::string_view>{SpBVerb, "1"},
                                     {SpBNoun, "2"},
                                     {SpBAdjective, "3"},
                                     {SpBServ, "4"},
                                     {SpBSent, "5"}}) {
    if (button->isChecked()) {
      pressed = code;
      break;
    }
  }
  browser::ApplyFilters(Tables(), ThemePosition(), pressed);
}

void TFormSelect::CBThemeChange() { ApplyFilters(); }

void TFormSelect::SpBVerbClick() { ApplyPartFilter(QStringLiteral("1"), ThemePosition()); }
void TFormSelect::SpBNounClick() { ApplyPartFilter(QStringLiteral("2"), ThemePosition()); }
void TFormSelect::SpBAdjectiveClick() { ApplyPartFilter(QStringLiteral("3"), ThemePosition()); }
void TFormSelect::SpBServClick() { ApplyPartFilter(QStringLiteral("4"), ThemePosition()); }
void TFormSelect::SpBSentClick() { ApplyPartFilter(QStringLiteral("5"), ThemePosition()); }

void TFormSelect::SpBOtherClick() {
  browser::SwitchFilters(Tables(), false);
  ThemeToAll();
  browser::ApplyOthersFilter(Tables());
}

void TFormSelect::SpeedButton23Click() {
  browser::SwitchFilters(Tables(), false);
  ThemeToAll();
  browser::RemoveFilters(Tables());
}
