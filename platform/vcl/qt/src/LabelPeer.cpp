#include <QLabel>
#include <algorithm>

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
                FitText();
                break;
            case Change::Geometry:
            case Change::Font:
                WidgetPeer::Mirror(what);
                FitText();
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
    // An auto-sized label is at least as wide as its text, so that a caption longer than the
    // designed one shows whole; a right-aligned one keeps its right edge.
    void FitText() {
        if (!label_.AutoSize) return;
        const int textWidth = Label().fontMetrics().horizontalAdvance(Label().text());
        const int width = std::max<int>(label_.Width, textWidth);
        const int left =
            label_.Alignment == taRightJustify ? label_.Left + label_.Width - width : label_.Left();
        Label().setGeometry(left, label_.Top, width, label_.Height);
    }
    QLabel& Label() const { return static_cast<QLabel&>(*Widget()); }
    TLabel& label_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeLabelPeer(TLabel& label, QWidget& parent) {
    return std::make_unique<LabelPeer>(label, parent);
}

}  // namespace vcl::qt
