#pragma once
// The program's texts in the user's language, as Qt's translators installed at start
// give them (the English sources where none is installed).
#include <QString>

#include "platform/Translation.h"

namespace varnoke {

QString Tr(const UiText& text);
QString Tr(const UiPlural& text, int n);

// The same for the layers below the windows (UTF-8).
class QtTranslation final : public Translation {
 public:
  std::string Text(const UiText& text) const override;
  std::string Plural(const UiPlural& text, int n) const override;
};

}  // namespace varnoke
