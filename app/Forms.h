#pragma once

#include <QWidget>

#include <memory>
#include <vector>

// Owns the program's windows: created once, in order, destroyed in reverse.
class TForms {
public:
    ~TForms()
    {
        while (!m_windows.empty())
            m_windows.pop_back();
    }

    // Creates the window, sets its program-wide reference, then runs its FormCreate.
    template <class T> T* Create(T*& reference)
    {
        auto window = std::make_unique<T>();
        reference = window.get();
        m_windows.push_back(std::move(window));
        reference->FormCreate();
        return reference;
    }

private:
    std::vector<std::unique_ptr<QWidget>> m_windows;
};

// Creates every window of the program in its start order.
void CreateForms(TForms& forms);
