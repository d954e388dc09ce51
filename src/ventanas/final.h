#pragma once

#include <QWidget>

namespace zw {

class Final : public QWidget
{
    Q_OBJECT

public:
    explicit Final(QWidget *parent = nullptr);
};

} // namespace zw
