#pragma once

#include <QWidget>

namespace zw {

class Charrar1 : public QWidget
{
    Q_OBJECT

public:
    explicit Charrar1(QWidget *parent = nullptr);
};

} // namespace zw
