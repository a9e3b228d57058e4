#pragma once

#include <QToolButton>
#include <QWidget>

class QLineEdit;

// Spin buttons attached to an edit field. A step reads the field's text when it
// holds plain digits, moves within [min, max] without wrapping, and writes the
// new position back as plain digits. The field itself still takes any text.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);
    void setAssociate(QLineEdit* edit);
    void setRange(int min, int max);
    int position() const { return m_position; }
    void setPosition(int p);
    void step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QLineEdit* m_edit = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};
