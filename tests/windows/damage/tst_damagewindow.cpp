// SPDX-License-Identifier: MIT
#include "DamageWindowHarness.h"
#include "support/ModalWatchdog.h"

#include "battle/TypeChart.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestDamageWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loading_fills_the_attack_list_and_selects_nothing();
    void loading_fills_the_five_type_lists_in_type_order();
    void loading_leaves_every_output_empty_and_work_disabled();
    void window_has_fixed_client_area_and_title();
    void type_captions_keep_their_blanks();
    void attack_has_the_focus_on_opening();
    void tab_walks_the_inputs_in_order();
    void choosing_absorb_fills_power_type_and_class();
    void growl_after_tackle_keeps_power_and_type();
    void dragon_rage_shows_whole_figures_after_a_one_digit_computation();
    void templated_notes_draw_through_the_runtime();
    void arrow_keys_on_the_closed_attack_list_choose();
    void typing_an_attack_name_changes_nothing_else();
    void typed_text_is_never_completed_nor_added_to_a_list_data();
    void typed_text_is_never_completed_nor_added_to_a_list();
    void menu_bar_holds_exit_submenus_and_edit();

private:
    void showActive();

    ModalWatchdog m_watchdog;
    std::unique_ptr<DamageWindowHarness> m_ui;
};

void TestDamageWindow::init()
{
    m_watchdog.reset();
    m_ui = std::make_unique<DamageWindowHarness>();
}

void TestDamageWindow::cleanup()
{
    QVERIFY(m_ui->messagesOverWindow());
    m_ui.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestDamageWindow::showActive()
{
    m_ui->window.show();
    QApplication::setActiveWindow(&m_ui->window);
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window));
}

void TestDamageWindow::loading_fills_the_attack_list_and_selects_nothing()
{
    QComboBox* c1 = m_ui->list("c1");
    QCOMPARE(c1->count(), 163);
    QCOMPARE(c1->itemText(0), QString("Absorb"));
    QCOMPARE(c1->itemText(162), QString("Wrap"));
    QCOMPARE(c1->currentIndex(), -1);
    QCOMPARE(c1->currentText(), QString("Select Attack (optional)"));
    QVERIFY(c1->isEditable());
}

void TestDamageWindow::loading_fills_the_five_type_lists_in_type_order()
{
    QStringList types;
    for (std::string_view type : battle::typeListOrder)
        types.append(QString::fromUtf8(type.data(), qsizetype(type.size())));
    for (const char* name : {"poke1", "poke12", "poke2", "poke22", "attack1"}) {
        QComboBox* list = m_ui->list(name);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->itemText(i));
        QCOMPARE(items, types);
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->currentText(), QString("Select Type"));
    }
}

void TestDamageWindow::loading_leaves_every_output_empty_and_work_disabled()
{
    for (const char* name : {"attack", "level", "basepower", "defense", "DHP", "damagedealt",
                             "critical", "poison", "succ"})
        QVERIFY2(m_ui->field(name)->text().isEmpty(), name);
    QVERIFY(m_ui->notes()->toPlainText().isEmpty());
    QVERIFY(m_ui->label("YN")->text().isEmpty());
    QVERIFY(m_ui->label("Label10")->text().isEmpty());
    QCOMPARE(m_ui->label("Label3")->text(), QString("Make Sure You're Using:"));
    QCOMPARE(m_ui->field("damagedealt")->maxLength(), 3);
    QCOMPARE(m_ui->field("critical")->maxLength(), 3);
    QVERIFY(!m_ui->button("Work")->isEnabled());
    QVERIFY(m_ui->timer()->isActive());
    QCOMPARE(m_ui->timer()->interval(), 3000);
    QVERIFY(m_ui->runtime.messages().isEmpty());
}

void TestDamageWindow::window_has_fixed_client_area_and_title()
{
    m_ui->window.show();
    QCOMPARE(m_ui->window.objectName(), QString("FrmDamage"));
    QCOMPARE(m_ui->window.windowTitle(), QString("Battle Tesh"));
    QCOMPARE(m_ui->window.centralWidget()->size(), QSize(521, 297));
    QCOMPARE(m_ui->window.minimumSize(), m_ui->window.maximumSize());
    QCOMPARE(m_ui->window.height(),
             m_ui->window.menuBar()->height() + m_ui->window.centralWidget()->height());
    // Spot checks that positions are the twips of the design divided by 15.
    QCOMPARE(m_ui->field("attack")->geometry(), QRect(80, 32, 41, 19));
    QCOMPARE(m_ui->list("c1")->geometry(), QRect(16, 168, 169, 21));
    QCOMPARE(m_ui->notes()->geometry(), QRect(8, 248, 185, 41));
    QCOMPARE(m_ui->label("Label3")->parentWidget()->objectName(), QString("Frame5"));
}

void TestDamageWindow::type_captions_keep_their_blanks()
{
    QCOMPARE(m_ui->label("Type_0")->text(), "Type 1" + QString(26, ' ') + "Type 2");
    QCOMPARE(m_ui->label("Type_2")->text(), "Type 1" + QString(31, ' ') + "Type 2");
}

void TestDamageWindow::attack_has_the_focus_on_opening()
{
    showActive();
    QCOMPARE(QApplication::focusWidget(), m_ui->field("attack"));
}

void TestDamageWindow::tab_walks_the_inputs_in_order()
{
    m_ui->field("defense")->setText("1"); // enables Work, which the walk passes through
    showActive();
    const QStringList order{"attack",      "poke1",    "poke12",   "level", "basepower",
                            "attack1",     "Work",     "defense",  "poke2", "poke22",
                            "c1",          "DHP",      "Command1", "succ",  "Work2",
                            "damagedealt", "critical", "poison",   "Text1"};
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
}

void TestDamageWindow::choosing_absorb_fills_power_type_and_class()
{
    m_ui->field("defense")->setText("90");
    m_ui->choose("Absorb");
    QCOMPARE(m_ui->field("basepower")->text(), QString("20"));
    QCOMPARE(m_ui->list("attack1")->currentText(), QString("Grass"));
    QCOMPARE(m_ui->label("Label3")->text(), QString("Make Sure You're Using: Special"));
    QVERIFY(m_ui->notes()->toPlainText().isEmpty());
    QCOMPARE(m_ui->list("poke1")->currentText(), QString("Select Type"));
    QCOMPARE(m_ui->field("defense")->text(), QString("90"));
    QCOMPARE(m_ui->runtime.drawsUsed(), 0);
}

void TestDamageWindow::growl_after_tackle_keeps_power_and_type()
{
    m_ui->choose("Tackle");
    QCOMPARE(m_ui->field("basepower")->text(), QString("35"));
    m_ui->choose("Growl");
    QCOMPARE(m_ui->field("basepower")->text(), QString("35"));
    QCOMPARE(m_ui->list("attack1")->currentText(), QString("Normal"));
    QCOMPARE(m_ui->label("Label3")->text(), QString("Make Sure You're Using: "));
    QCOMPARE(m_ui->notes()->toPlainText(),
             QString("Lowers Other Pokemon's Attack.  This works 6 times on this pokemon, (MAX)"));
}

void TestDamageWindow::dragon_rage_shows_whole_figures_after_a_one_digit_computation()
{
    m_ui->enterStats("100", "50", "0", "90");
    m_ui->enterTypes("Normal", "Normal", "Normal");
    m_ui->button("Work")->click();
    QCOMPARE(m_ui->field("damagedealt")->text(), QString("1"));
    QCOMPARE(m_ui->field("damagedealt")->maxLength(), 1);

    m_ui->choose("Dragon Rage");
    QCOMPARE(m_ui->field("damagedealt")->text(), QString("40"));
    QCOMPARE(m_ui->field("critical")->text(), QString("80"));
    QCOMPARE(m_ui->notes()->toPlainText(), QString("This attack deals exactly 40 damage."));
    QCOMPARE(m_ui->field("basepower")->text(), QString("0"));
    QCOMPARE(m_ui->list("attack1")->currentText(), QString("Normal"));
}

void TestDamageWindow::templated_notes_draw_through_the_runtime()
{
    m_ui->runtime.scriptDraws({0.9f});
    m_ui->choose("Bide");
    QCOMPARE(m_ui->notes()->toPlainText(),
             QString("Lasts for 3 rounds.  Damage paid back is double recieved."));
    QCOMPARE(m_ui->runtime.drawsUsed(), 1);
}

void TestDamageWindow::arrow_keys_on_the_closed_attack_list_choose()
{
    QComboBox* c1 = m_ui->list("c1");
    QSignalSpy chosen(c1, &QComboBox::activated);
    QTest::keyClick(c1, Qt::Key_Down);
    QCOMPARE(c1->currentText(), QString("Absorb"));
    QCOMPARE(m_ui->field("basepower")->text(), QString("20"));
    QTest::keyClick(c1, Qt::Key_Down);
    QCOMPARE(c1->currentText(), QString("Acid"));
    QCOMPARE(m_ui->field("basepower")->text(), QString("40"));
    QCOMPARE(m_ui->list("attack1")->currentText(), QString("Poison"));
    QTest::keyClick(c1, Qt::Key_Up);
    QCOMPARE(m_ui->list("attack1")->currentText(), QString("Grass"));
    QCOMPARE(chosen.count(), 3);
}

void TestDamageWindow::typing_an_attack_name_changes_nothing_else()
{
    QComboBox* c1 = m_ui->list("c1");
    c1->lineEdit()->clear();
    QTest::keyClicks(c1, "Tackle");
    QCOMPARE(c1->currentText(), QString("Tackle"));
    QVERIFY(m_ui->field("basepower")->text().isEmpty());
    QCOMPARE(m_ui->list("attack1")->currentText(), QString("Select Type"));
    QVERIFY(m_ui->notes()->toPlainText().isEmpty());
    QCOMPARE(m_ui->label("Label3")->text(), QString("Make Sure You're Using:"));
}

void TestDamageWindow::typed_text_is_never_completed_nor_added_to_a_list_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");
    QTest::newRow("attack list, start of an attack") << "c1"
                                                     << "Tack" << 163;
    QTest::newRow("attack list, whole name") << "c1"
                                             << "Tackle" << 163;
    QTest::newRow("attack list, unknown name") << "c1"
                                               << "Splash" << 163;
    QTest::newRow("type list, start of a type") << "poke1"
                                                << "Fi" << 17;
    QTest::newRow("defending type, whole name") << "poke22"
                                                << "Steel" << 17;
    QTest::newRow("attack type, lower-case type") << "attack1"
                                                  << "fire" << 17;
}

void TestDamageWindow::typed_text_is_never_completed_nor_added_to_a_list()
{
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(int, count);
    QComboBox* combo = m_ui->list(list.toLatin1().constData());
    showActive();
    combo->setFocus();
    combo->lineEdit()->clear();
    QTest::keyClicks(combo, typed);
    QCOMPARE(combo->currentText(), typed);
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(combo->currentText(), typed);
    QTest::keyClick(combo, Qt::Key_Tab); // leaving the box is no choice either
    QVERIFY(!combo->hasFocus());
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(m_ui->field("basepower")->text().isEmpty());
    QVERIFY(m_ui->notes()->toPlainText().isEmpty());
}

void TestDamageWindow::menu_bar_holds_exit_submenus_and_edit()
{
    const QList<QAction*> bar = m_ui->window.menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar.at(0), m_ui->action("mnuExit"));
    QCOMPARE(bar.at(0)->text(), QString("Exit"));
    QCOMPARE(bar.at(1)->menu(), m_ui->find<QMenu>("mnuWin"));
    QCOMPARE(bar.at(1)->text(), QString("Submenus"));
    QCOMPARE(bar.at(2)->menu(), m_ui->find<QMenu>("mnuEdit"));
    QCOMPARE(bar.at(2)->text(), QString("Edit"));

    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const QList<QAction*> submenus = m_ui->find<QMenu>("mnuWin")->actions();
    const Item expected[] = {{"mnuPT", "Pokémon Tracking", QKeySequence("Ctrl+T")},
                             {"mnuAcc", "Accuracy Finder", QKeySequence("Ctrl+A")},
                             {"mnuCH", "Critical Hit Finder", QKeySequence("Ctrl+H")}};
    QCOMPARE(submenus.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(submenus.at(i)->objectName(), QString(expected[i].name));
        QCOMPARE(submenus.at(i)->text(), QString(expected[i].caption));
        QCOMPARE(submenus.at(i)->shortcut(), expected[i].shortcut);
    }

    const QList<QAction*> edit = m_ui->find<QMenu>("mnuEdit")->actions();
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit.at(0)->menu(), m_ui->find<QMenu>("mnuCopy"));
    QCOMPARE(edit.at(0)->text(), QString("Copy Damages to Clipboard"));
    QStringList copies;
    for (const QAction* item : m_ui->find<QMenu>("mnuCopy")->actions())
        copies.append(item->objectName() + "=" + item->text());
    QCOMPARE(copies,
             QStringList({"mnuCC=Copy Critical", "mnuCN=Copy Normal", "mnuCP=Copy Poison"}));
}

QTEST_MAIN(TestDamageWindow)
#include "tst_damagewindow.moc"
