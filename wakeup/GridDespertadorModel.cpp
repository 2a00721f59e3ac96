#include "wakeup/GridDespertadorModel.h"

namespace {

const std::string& Cell(const LinhaGrid& l, int column) {
    switch (column) {
        case cCOL_CODIGO:
            return l.codigo;
        case cCOL_DATA:
            return l.data;
        case cCOL_HORA:
            return l.hora;
        case cCOL_APTO:
            return l.apto;
        case cCOL_PLACAVEICULO:
            return l.placa;
        default:
            return l.obs;
    }
}

}  // namespace

void GridDespertadorModel::Reset(std::vector<LinhaGrid> linhas) {
    beginResetModel();
    linhas_ = std::move(linhas);
    endResetModel();
}

void GridDespertadorModel::InsertLinha(int row, LinhaGrid linha) {
    beginInsertRows({}, row, row);
    linhas_.insert(linhas_.begin() + row, std::move(linha));
    endInsertRows();
}

void GridDespertadorModel::RemoveLinha(int row) {
    beginRemoveRows({}, row, row);
    linhas_.erase(linhas_.begin() + row);
    endRemoveRows();
}

int GridDespertadorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int GridDespertadorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 6;
}

QVariant GridDespertadorModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(Cell(Linha(index.row()), index.column()));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant GridDespertadorModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitulos[] = {"Código", "Data",          "Hora",
                                           "Apto",   "Placa Veículo", "Observações"};
    if (section < 0 || section >= 6) return {};
    return QString::fromUtf8(kTitulos[section]);
}
