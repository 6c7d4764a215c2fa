#include "windows/ToolTipSwitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QToolTip>

namespace varnoke {
namespace {

constexpr const char* kFilterName = "ToolTipSwitch";

class ToolTipFilter final : public QObject {
 public:
  explicit ToolTipFilter(QObject* application) : QObject(application) {
    setObjectName(kFilterName);
    application->installEventFilter(this);
  }
  bool On = true;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!On && event->type() == QEvent::ToolTip) return true;
    return QObject::eventFilter(watched, event);
  }
};

ToolTipFilter* Filter() {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application) return nullptr;
  for (QObject* child : application->children())
    if (auto* filter = dynamic_cast<ToolTipFilter*>(child)) return filter;
  return nullptr;
}

}  // namespace

void SwitchToolTips(bool on) {
  ToolTipFilter* filter = Filter();
  if (!filter) {
    if (on || !QCoreApplication::instance()) return;  // on is how an application starts
    filter = new ToolTipFilter(QCoreApplication::instance());
  }
  filter->On = on;
  if (!on) QToolTip::hideText();
}

bool ToolTipsOn() {
  const ToolTipFilter* filter = Filter();
  return !filter || filter->On;
}

}  // namespace varnoke
