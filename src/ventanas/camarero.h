#pragma once

#include <QWidget>

namespace zw {

class Camarero : public QWidget
{
    Q_OBJECT

public:
    explicit Camarero(QWidget *parent = nullptr);
};

} // namespace zw
