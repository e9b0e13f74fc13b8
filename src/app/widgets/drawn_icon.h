#pragma once
// The program draws its own images: a square of `size` pixels, transparent
// and antialiased, painted by `paint`.
#include <QIcon>
#include <QPainter>
#include <functional>

namespace zumoku {

QIcon DrawIcon(int size, const std::function<void(QPainter&)>& paint);

}  // namespace zumoku
