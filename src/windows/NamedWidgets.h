#pragma once
// Controls made with their designer name as object name, so tests and accessibility
// tools find them by it.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "windows/Tr.h"

namespace varnoke {

// A widget of type W with a caption: W(text, parent) named `name`.
template <typename W>
W* NamedWidget(const char* name, const QString& text, QWidget* parent) {
  auto* widget = new W(text, parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

inline QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  return NamedWidget<QLabel>(name, text, parent);
}
inline QLabel* NamedLabel(const char* name, const UiText& text, QWidget* parent) {
  return NamedLabel(name, Tr(text), parent);
}

inline QCheckBox* NamedBox(const char* name, const QString& text, QWidget* parent) {
  return NamedWidget<QCheckBox>(name, text, parent);
}
inline QCheckBox* NamedBox(const char* name, const UiText& text, QWidget* parent) {
  return NamedBox(name, Tr(text), parent);
}

// A dialog button that Enter does not press unless it is the default one.
inline QPushButton* NamedButton(const char* name, const QString& text, QWidget* parent) {
  QPushButton* button = NamedWidget<QPushButton>(name, text, parent);
  button->setAutoDefault(false);
  return button;
}
inline QPushButton* NamedButton(const char* name, const UiText& text, QWidget* parent) {
  return NamedButton(name, Tr(text), parent);
}

}  // namespace varnoke
