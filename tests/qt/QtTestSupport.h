// What the Qt backend tests share: a small form on screen and ways to look at its widgets.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "FormPeer.h"
#include "WidgetPeer.h"
#include "vcl/Backend.h"
#include "vcl/Vcl.h"

namespace vcl::qt::test {

inline QWidget& WindowOf(const TForm& form) {
    return *FormPeerOf(form)->Window();
}
inline QWidget& ClientOf(const TForm& form) {
    return *FormPeerOf(form)->ChildArea();
}

template <class T = QWidget>
T& WidgetFor(const TControl& control) {
    return *qobject_cast<T*>(WidgetOf(control));
}

inline std::unique_ptr<TForm> MakeForm(int clientWidth, int clientHeight) {
    auto form = std::make_unique<TForm>(nullptr);
    form->Left = 40;
    form->Top = 30;
    form->SetClientSize(clientWidth, clientHeight);
    return form;
}

template <class T>
T* Place(TForm& form, TWinControl& parent, int left, int top, int width, int height) {
    auto* control = new T(&form);  // owned by the form
    control->SetParent(&parent);
    control->SetBounds(left, top, width, height);
    return control;
}

inline void ShowAndWait(TForm& form) {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&WindowOf(form)));
    QCoreApplication::processEvents();
}

// The client area as it is painted now.
inline QImage GrabClient(TForm& form) {
    return ClientOf(form).grab().toImage();
}

// A point of the client area in the coordinates of the form's window.
inline QPoint InWindow(const TForm& form, QPoint client) {
    return ClientOf(form).mapTo(&WindowOf(form), client);
}

inline QWindow* WindowHandleOf(const TForm& form) {
    return WindowOf(form).windowHandle();
}

}  // namespace vcl::qt::test
