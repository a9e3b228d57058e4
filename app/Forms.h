#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// Owns the program's windows: created once, in order, destroyed in reverse.
class TForms {
public:
    ~TForms()
    {
        // A reference must not outlive its window: a later set of windows (tests
        // create several) would otherwise find the old one through it.
        while (!m_windows.empty()) {
            m_windows.pop_back();
            m_references.back()();
            m_references.pop_back();
        }
    }

    // Creates the window, sets its program-wide reference, then runs its FormCreate.
    template <class T> T* Create(T*& reference)
    {
        auto window = std::make_unique<T>();
        reference = window.get();
        m_windows.push_back(std::move(window));
        m_references.push_back([&reference] { reference = nullptr; });
        reference->FormCreate();
        return reference;
    }

private:
    std::vector<std::unique_ptr<QWidget>> m_windows;
    std::vector<std::function<void()>> m_references;
};

// Creates every window of the program in its start order.
void CreateForms(TForms& forms);
