#pragma once
// Controls made with their designer name as object name, so tests and accessibility
// tools find them by it.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <string_view>

#include "windows/QtText.h"

namespace varnoke {

// A widget of type W with a caption: W(text, parent) named `name`.
template <typename W>
W* NamedWidget(const char* name, std::string_view text, QWidget* parent) {
  auto* widget = new W(Qt8(text), parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

inline QLabel* NamedLabel(const char* name, std::string_view text, QWidget* parent) {
  return NamedWidget<QLabel>(name, text, parent);
}

inline QCheckBox* NamedBox(const char* name, std::string_view text, QWidget* parent) {
  return NamedWidget<QCheckBox>(name, text, parent);
}

// A dialog button that Enter does not press unless it is the default one.
inline QPushButton* NamedButton(const char* name, std::string_view text, QWidget* parent) {
  QPushButton* button = NamedWidget<QPushButton>(name, text, parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace varnoke
