#include "ui/conflicts/CConflictDlg.h"

#include "model/base/LocaleFormat.h"
#include "model/store/DataFolder.h"
#include "ui/dialogs/Prompt.h"
#include "ui/frame/CDetailsBar.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QQueue>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QQueue<CConflictDlg::Answer> g_answers;
QList<QStringList> g_asked;

// Differing fields: a warm background and a bold heading, said to screen readers too.
const QColor kDiffers(255, 226, 160);

// A long file name (a sync tool's copy) cut in the middle, where copies of
// one due differ least.
QString ShortName(const QString& file)
{
    constexpr qsizetype kMax = 36;
    const QString shown = ShownText(file, 1000);
    if (shown.size() <= kMax)
        return shown;
    return shown.left(14) + QChar(0x2026) + shown.right(kMax - 15);
}

} // namespace

bool CConflictDlg::Row::Differs() const
{
    for (const QString& value : compared)
        if (value != compared.first())
            return true;
    return false;
}

QList<CConflictDlg::Row> CConflictDlg::Rows(const QList<ConflictVersion>& versions)
{
    // The Details bar's fields, then what it leaves out.
    QList<Row> rows;
    const QStringList headings = CDetailsBar::Headings();
    for (const QString& heading : headings)
        rows.append(Row{heading, {}, {}});
    rows.append(Row{tr("Notes"), {}, {}});
    rows.append(Row{tr("Series"), {}, {}});
    for (const ConflictVersion& v : versions) {
        const DueRecord& r = v.record;
        const QStringList shown = CDetailsBar::DetailValues(r) + QStringList{r.m_strNotes, r.m_strSeriesId};
        // Compared by value: two amounts or times that show alike may still differ.
        QStringList compared = shown;
        compared[1] = QString::number(r.m_dtStart.m_dt, 'g', 17) + QString::number(int(r.m_dtStart.m_status));
        compared[2] = QString::number(r.m_dtDue.m_dt, 'g', 17) + QString::number(int(r.m_dtDue.m_status));
        compared[5] = QString::number(r.m_dAmount, 'g', 17);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            rows[i].shown << shown.value(i);
            rows[i].compared << compared.value(i);
        }
    }
    return rows;
}

CConflictDlg::CConflictDlg(QWidget* parent, const QList<ConflictVersion>& versions, int index, int count)
    : QDialog(parent), m_intro(new QLabel(this)), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("ConflictDialog"));
    setWindowTitle(count > 1 ? tr("Conflict %1 of %2").arg(index).arg(count) : tr("Conflict"));
    const QString title = versions.isEmpty() ? QString() : versions.first().record.m_strTitle;
    m_intro->setWordWrap(true);
    m_intro->setText(
        tr("\u201c%1\u201d is held by %n file(s), each with a version of its own: a sync tool kept both "
           "changes, or two computers made the same identifier. The fields that differ are marked. Keep one "
           "version (the other files are removed), or keep every version as a due of its own.",
           nullptr, int(versions.size()))
            .arg(ShownText(title, 80)));

    const QList<Row> rows = Rows(versions);
    const QLocale locale;
    m_table->setRowCount(int(rows.size()));
    m_table->setColumnCount(int(versions.size()));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setWordWrap(true);
    for (int c = 0; c < versions.size(); ++c) {
        const ConflictVersion& v = versions.at(c);
        QString heading = ShortName(v.file) + QLatin1Char('\n') +
                          tr("changed %1").arg(locale.toString(v.modified, QLocale::ShortFormat));
        if (v.listed)
            heading += QLatin1Char('\n') + tr("(listed now)");
        auto* header = new QTableWidgetItem(heading);
        header->setToolTip(ShownText(v.file, 1000));
        m_table->setHorizontalHeaderItem(c, header);
    }
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows.at(r);
        const bool differs = row.Differs();
        auto* heading = new QTableWidgetItem(differs ? QStringLiteral("\u2260 ") + row.heading : row.heading);
        if (differs) {
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            heading->setToolTip(tr("Differs between the versions"));
        }
        m_table->setVerticalHeaderItem(r, heading);
        for (int c = 0; c < row.shown.size(); ++c) {
            auto* item = new QTableWidgetItem(row.shown.at(c));
            item->setToolTip(row.shown.at(c));
            if (differs) {
                item->setBackground(kDiffers);
                item->setForeground(Qt::black);
                item->setData(Qt::AccessibleDescriptionRole, tr("differs"));
            }
            m_table->setItem(r, c, item);
        }
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* buttons = new QDialogButtonBox(this);
    for (const ConflictVersion& v : versions) {
        QPushButton* keep = buttons->addButton(tr("Keep \u201c%1\u201d").arg(ShortName(v.file)),
                                               QDialogButtonBox::AcceptRole);
        keep->setToolTip(tr("Keep this version as the due and remove the other files"));
        connect(keep, &QPushButton::clicked, this, [this, file = v.file] { Choose(Answer::Keep, file); });
    }
    QPushButton* all = buttons->addButton(versions.size() == 2 ? tr("Keep Both") : tr("Keep All"),
                                          QDialogButtonBox::AcceptRole);
    all->setToolTip(tr("Keep every version: the others become dues of their own"));
    connect(all, &QPushButton::clicked, this, [this] { Choose(Answer::KeepAll); });
    QPushButton* later = buttons->addButton(tr("Decide Later"), QDialogButtonBox::RejectRole);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    later->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(760, 460);
}

void CConflictDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Rows as tall as their wrapped text once the columns have their widths.
    QTimer::singleShot(0, m_table, &QTableWidget::resizeRowsToContents);
}

void CConflictDlg::Choose(Answer::Kind kind, const QString& file)
{
    m_answer = Answer{kind, file};
    accept();
}

CConflictDlg::Answer CConflictDlg::Ask(QWidget* parent, const QList<ConflictVersion>& versions, int index,
                                       int count)
{
    QStringList files;
    for (const ConflictVersion& v : versions)
        files << v.file;
    g_asked << files;
    if (Prompt::IsTestMode())
        return g_answers.isEmpty() ? Answer{} : g_answers.dequeue();
    CConflictDlg dlg(parent, versions, index, count);
    if (dlg.exec() != QDialog::Accepted)
        return Answer{};
    return dlg.Chosen();
}

void CConflictDlg::QueueAnswer(const Answer& answer)
{
    g_answers.enqueue(answer);
}

QList<QStringList> CConflictDlg::TakeAsked()
{
    return std::exchange(g_asked, {});
}
