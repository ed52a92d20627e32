#include "PeerFactory.h"

#include "FormPeer.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

std::unique_ptr<WidgetPeer> MakeChildPeer(TControl& control, QWidget& parent) {
    if (auto* c = dynamic_cast<TLabel*>(&control)) return MakeLabelPeer(*c, parent);
    if (auto* c = dynamic_cast<TButton*>(&control)) return MakeButtonPeer(*c, parent);
    if (auto* c = dynamic_cast<TPanel*>(&control)) return MakePanelPeer(*c, parent);
    if (auto* c = dynamic_cast<TBevel*>(&control)) return MakeBevelPeer(*c, parent);
    if (auto* c = dynamic_cast<TEdit*>(&control)) return MakeEditPeer(*c, parent);
    if (auto* c = dynamic_cast<TUpDown*>(&control)) return MakeUpDownPeer(*c, parent);
    if (auto* c = dynamic_cast<TComboBox*>(&control)) return MakeComboBoxPeer(*c, parent);
    if (auto* c = dynamic_cast<TCheckBox*>(&control)) return MakeCheckBoxPeer(*c, parent);
    if (auto* c = dynamic_cast<TRadioGroup*>(&control)) return MakeRadioGroupPeer(*c, parent);
    if (auto* c = dynamic_cast<TGroupBox*>(&control)) return MakeGroupBoxPeer(*c, parent);
    if (auto* c = dynamic_cast<TMemo*>(&control)) return MakeMemoPeer(*c, parent);
    if (auto* c = dynamic_cast<TWinControl*>(&control)) return MakeContainerPeer(*c, parent);
    return nullptr;
}

}  // namespace

std::unique_ptr<ControlPeer> CreatePeerFor(TControl& control) {
    if (auto* form = dynamic_cast<TForm*>(&control)) {
        auto peer = std::make_unique<FormPeer>(*form);
        peer->MirrorAll();
        return peer;
    }
    if (control.Parent() == nullptr) return nullptr;
    WidgetPeer* parentPeer = WidgetPeerOf(*control.Parent());
    QWidget* parentArea = parentPeer != nullptr ? parentPeer->ChildArea() : nullptr;
    if (parentArea == nullptr) return nullptr;
    std::unique_ptr<WidgetPeer> peer = MakeChildPeer(control, *parentArea);
    if (peer == nullptr) return nullptr;
    peer->MirrorAll();
    peer->Widget()->raise();  // a later sibling lies in front
    if (TForm* form = control.Form()) {
        if (FormPeer* formPeer = FormPeerOf(*form)) formPeer->ScheduleFocusChain();
    }
    return peer;
}

}  // namespace vcl::qt
