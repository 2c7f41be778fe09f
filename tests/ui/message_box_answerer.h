// SPDX-License-Identifier: Apache-2.0
#pragma once

// Answers the next modal message box: once it is up, lets the test look at
// it, then presses its OK button, as a user would.

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace harvela {

class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::function<void(QMessageBox&)> look) : look_(std::move(look))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
        poll_.start(10);
    }

    bool sawBox() const { return sawBox_; }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll_.stop();
        sawBox_ = true;
        look_(*box);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }

    QTimer poll_;
    std::function<void(QMessageBox&)> look_;
    bool sawBox_ = false;
};

}  // namespace harvela
