#pragma once

#include "app/Forms.h"
#include "app/Main.h"
#include "framework/share2.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTimer>

#include <functional>
#include <memory>

// Runs `check` on the next modal window, then closes it with OK.
inline void onNextModal(std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            onNextModal(check);
            return;
        }
        check(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->accept();
    });
}

// Base of the exercise tests: the program's windows, with every message box
// captured in m_messages (errors shown by the error display marked "E:").
class ExerciseTest : public QObject {
protected:
    // Creates all windows, shows the strip and selects the exercise's tab.
    void openProgram(int tab)
    {
        SetMessageHook([this](MessageKind kind, const QString& text) {
            m_messages << (kind == MessageKind::Error ? QStringLiteral("E:") : QString()) + text;
        });
        m_forms = std::make_unique<TForms>();
        CreateForms(*m_forms);
        Form2->show();
        Form2->TabControl1->setCurrentIndex(tab);
    }
    void closeProgram()
    {
        m_forms.reset();
        SetMessageHook({});
    }
    // No message seen yet, a fresh series.
    void resetSeries()
    {
        m_messages.clear();
        Shared->ResetSeries();
    }
    static QStringList praises()
    {
        QStringList texts;
        for (const char* t : PraiseTexts)
            texts << QString::fromUtf8(t);
        return texts;
    }

    std::unique_ptr<TForms> m_forms;
    QStringList m_messages;
};
