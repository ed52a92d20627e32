// A form as a top-level window: its menu bar on top, under it the client area on which the
// controls stand, painted with the form's colour and its retained canvas.
#pragma once

#include <QSize>
#include <QWidget>

#include "MenuBarMirror.h"
#include "WidgetPeer.h"
#include "vcl/Forms.h"

namespace vcl::qt {

class FormPeer : public WidgetPeer {
  public:
    explicit FormPeer(TForm& form);

    QWidget* Window() const { return Widget(); }
    QWidget* ChildArea() const override { return client_; }
    // The tab order and the first focus follow the controls' TabOrder; recomputed once the
    // controls being added now are all there.
    void ScheduleFocusChain();

    // From the window.
    void WindowResized();
    void CloseRequested() { form_.CloseRequested(); }
    bool KeyPressed(int key);

  protected:
    void Mirror(Change what) override;
    void ApplyLook() override;

  private:
    void LayOut();
    void ResizeToClient();
    void Place();
    void ApplyBorder();
    void ApplyVisible();
    void UpdateFocusChain();

    TForm& form_;
    QWidget* client_;
    MenuBarMirror menu_;
    QSize requestedClient_;
    bool focusChainPending_ = false;
};

FormPeer* FormPeerOf(const TForm& form);

}  // namespace vcl::qt
