#pragma once

#include <QRect>

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <utility>

// A task's numbers in the order a window keeps them: a whole number is one, an
// array gives its elements in order, a rectangle its left, top, width and
// height, and a task struct what its `Numbers(task)` ties, in that order
// (found in the task's namespace).
template <class F> void EachNumber(int32_t& number, F& f);
template <class T, std::size_t N, class F> void EachNumber(std::array<T, N>& numbers, F& f);
template <class F> void EachNumber(QRect& rectangle, F& f);
template <class T, class F, class = decltype(Numbers(std::declval<T&>()))>
void EachNumber(T& task, F& f);

template <class F> void EachNumber(int32_t& number, F& f)
{
    f(number);
}

template <class T, std::size_t N, class F> void EachNumber(std::array<T, N>& numbers, F& f)
{
    for (T& element : numbers)
        EachNumber(element, f);
}

template <class F> void EachNumber(QRect& rectangle, F& f)
{
    std::array<int32_t, 4> sides{rectangle.x(), rectangle.y(), rectangle.width(),
                                 rectangle.height()};
    EachNumber(sides, f);
    rectangle = QRect(sides[0], sides[1], sides[2], sides[3]);
}

template <class T, class F, class> void EachNumber(T& task, F& f)
{
    std::apply([&f](auto&... member) { (EachNumber(member, f), ...); }, Numbers(task));
}

// Writes the task's numbers into values from index `first` on.
template <class Task, class Values> void PutNumbers(Task task, Values& values, std::size_t first)
{
    auto put = [&values, i = first](int32_t& number) mutable {
        values.at(i++) = number;
    };
    EachNumber(task, put);
}

// The task whose numbers stand in values from index `first` on.
template <class Task, class Values> Task TakeNumbers(const Values& values, std::size_t first)
{
    Task task{};
    auto take = [&values, i = first](int32_t& number) mutable {
        number = values.at(i++);
    };
    EachNumber(task, take);
    return task;
}
