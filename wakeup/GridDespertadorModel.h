#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "wakeup/CadDespertadorLogic.h"

constexpr int cCOL_CODIGO = 0;
constexpr int cCOL_DATA = 1;
constexpr int cCOL_HORA = 2;
constexpr int cCOL_APTO = 3;
constexpr int cCOL_PLACAVEICULO = 4;
constexpr int cCOL_OBS = 5;

// The wake-up call editor's grid rows, six text columns, the code first. The grid shows them
// through a view, so a change touches one row, and a reload is one reset.
class GridDespertadorModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    const std::vector<LinhaGrid>& Linhas() const { return linhas_; }
    const LinhaGrid& Linha(int row) const { return linhas_[static_cast<std::size_t>(row)]; }
    int Count() const { return static_cast<int>(linhas_.size()); }

    void Reset(std::vector<LinhaGrid> linhas);
    void InsertLinha(int row, LinhaGrid linha);
    void RemoveLinha(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<LinhaGrid> linhas_;
};
