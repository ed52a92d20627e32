#include <QLabel>

#include "Convert.h"
#include "MouseInput.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

// "&" marks an access key in a caption and "&&" stands for "&"; a label shows neither mark.
QString WithoutAccessMarks(const std::string& caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // the marked character
        shown += caption[i];
    }
    return ToQString(shown);
}

Qt::Alignment AlignmentOf(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify:
            return Qt::AlignRight | Qt::AlignTop;
        case taCenter:
            return Qt::AlignHCenter | Qt::AlignTop;
        case taLeftJustify:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

class LabelPeer : public WidgetPeer {
  public:
    LabelPeer(TLabel& label, QWidget& parent)
        : WidgetPeer(label, new ReportsMouse<QLabel>(label, &parent)), label_(label) {
        Label().setTextFormat(Qt::PlainText);
        Label().setWordWrap(false);
    }

  protected:
    void Mirror(Change what) override {
        switch (what) {
            case Change::Caption:
                Label().setText(WithoutAccessMarks(label_.Caption));
                break;
            case Change::Style:
                Label().setAlignment(AlignmentOf(label_.Alignment));
                break;
            default:
                WidgetPeer::Mirror(what);
                break;
        }
    }
    void ApplyLook() override {
        ApplyControlLook(Label(), label_);
        Label().setAutoFillBackground(!label_.Transparent);
    }

  private:
    QLabel& Label() const { return static_cast<QLabel&>(*Widget()); }
    TLabel& label_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeLabelPeer(TLabel& label, QWidget& parent) {
    return std::make_unique<LabelPeer>(label, parent);
}

}  // namespace vcl::qt
