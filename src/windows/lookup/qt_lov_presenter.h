#pragma once

#include "lookup/lov_presenter.h"

#include <QPointer>
#include <QWidget>

namespace vant {

// Shows the lookup window modally over the given parent.
class QtLovPresenter : public LovPresenter
{
public:
    explicit QtLovPresenter(QWidget *parent = nullptr) : m_parent(parent) {}
    void present(LovController &controller) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace vant
