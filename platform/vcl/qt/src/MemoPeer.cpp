#include <QPlainTextEdit>
#include <QStringList>

#include "Convert.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

class MemoPeer : public WidgetPeer {
  public:
    MemoPeer(TMemo& memo, QWidget& parent)
        : WidgetPeer(memo, new QPlainTextEdit(&parent)), memo_(memo) {
        Memo().setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Memo().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

  protected:
    void Mirror(Change what) override {
        switch (what) {
            case Change::Lines: {
                QStringList lines;
                for (const std::string& line : memo_.Lines->Lines()) lines << ToQString(line);
                Memo().setPlainText(lines.join('\n'));
                break;
            }
            case Change::Enabled:
            case Change::Style:
                Memo().setReadOnly(memo_.ReadOnly || !memo_.Enabled);
                WidgetPeer::Mirror(what);
                break;
            default:
                WidgetPeer::Mirror(what);
                break;
        }
    }

  private:
    QPlainTextEdit& Memo() const { return static_cast<QPlainTextEdit&>(*Widget()); }
    TMemo& memo_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeMemoPeer(TMemo& memo, QWidget& parent) {
    return std::make_unique<MemoPeer>(memo, parent);
}

}  // namespace vcl::qt
