// The tray menu as com.canonical.dbusmenu items, without a bus: the layout hosts read, the changes
// they are told about, and the events that choose an item (tests/gui/status_notifier_test.sh asks the
// running program over the bus).
#include "backends/linux/desktop/dbus_menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "backends/linux/desktop/dbus_menu_layout.h"

namespace lumaro::platform::linuxos {
namespace {

using ::testing::ElementsAre;

TrayMenuItem item(std::string caption) {
  TrayMenuItem made;
  made.caption = std::move(caption);
  return made;
}

TrayMenuItem separator() {
  TrayMenuItem made;
  made.separator = true;
  return made;
}

std::vector<TrayMenuItem> sample() {
  TrayMenuItem off = item("Desligado");
  off.enabled = false;
  TrayMenuItem checked = item("Marcado");
  checked.checked = true;
  TrayMenuItem pictured = item("&Otimizar Ram");
  pictured.image = {2, 1, {0xFF00FF00, 0x00000000}};
  return {pictured, separator(), off, checked};
}

TEST(DBusMenuLabel, AccessKeysBecomeUnderscoresAndUnderscoresAreDoubled) {
  EXPECT_EQ(dbusMenuLabel("&Otimizar Ram"), "_Otimizar Ram");
  EXPECT_EQ(dbusMenuLabel("Esvaziar área de transferência"), "Esvaziar área de transferência");
  EXPECT_EQ(dbusMenuLabel("Tom && Jerry"), "Tom & Jerry");
  EXPECT_EQ(dbusMenuLabel("nome_do_arquivo"), "nome__do__arquivo");
  EXPECT_EQ(dbusMenuLabel("&_x"), "___x");
  EXPECT_EQ(dbusMenuLabel("fim&"), "fim");
  EXPECT_EQ(dbusMenuLabel(""), "");
}

TEST(DBusMenuLayout, TheRootHoldsEveryItemWithItsKindLabelStateCheckAndPicture) {
  const std::optional<DBusMenuLayoutItem> root = dbusMenuLayout(sample(), 0, -1, {});
  ASSERT_TRUE(root);
  EXPECT_EQ(root->id, 0);
  EXPECT_EQ(root->properties.value("children-display"), "submenu");
  ASSERT_EQ(root->children.size(), 4);
  std::vector<int> ids;
  for (const DBusMenuLayoutItem& child : root->children) {
    ids.push_back(child.id);
    EXPECT_TRUE(child.children.isEmpty());
    EXPECT_EQ(child.properties.value("visible"), true);
  }
  EXPECT_THAT(ids, ElementsAre(1, 2, 3, 4));

  const QVariantMap& pictured = root->children[0].properties;
  EXPECT_EQ(pictured.value("label"), "_Otimizar Ram");
  EXPECT_EQ(pictured.value("enabled"), true);
  EXPECT_FALSE(pictured.contains("type"));
  EXPECT_FALSE(pictured.contains("toggle-type"));
  const QImage png = QImage::fromData(pictured.value("icon-data").toByteArray(), "PNG");
  ASSERT_EQ(png.size(), QSize(2, 1));
  EXPECT_EQ(png.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(qAlpha(png.pixel(1, 0)), 0);

  const QVariantMap& line = root->children[1].properties;
  EXPECT_EQ(line.value("type"), "separator");
  EXPECT_FALSE(line.contains("label"));
  EXPECT_EQ(root->children[2].properties.value("enabled"), false);
  EXPECT_FALSE(root->children[2].properties.contains("icon-data"));
  EXPECT_EQ(root->children[3].properties.value("toggle-type"), "checkmark");
  EXPECT_EQ(root->children[3].properties.value("toggle-state"), 1);
}

TEST(DBusMenuLayout, DepthPropertyNamesAndUnknownIdsAreHonoured) {
  EXPECT_TRUE(dbusMenuLayout(sample(), 0, 0, {})->children.isEmpty());
  const auto one = dbusMenuLayout(sample(), 3, -1, {});
  ASSERT_TRUE(one);
  EXPECT_EQ(one->id, 3);
  EXPECT_EQ(one->properties.value("label"), "Desligado");
  EXPECT_TRUE(one->children.isEmpty());

  const auto named = dbusMenuLayout(sample(), 0, 1, {"label", "nonexistent"});
  ASSERT_TRUE(named);
  EXPECT_TRUE(named->properties.isEmpty());
  EXPECT_EQ(named->children[0].properties.keys(), QStringList{"label"});
  EXPECT_TRUE(named->children[1].properties.isEmpty());

  EXPECT_FALSE(dbusMenuLayout(sample(), 5, -1, {}));
  EXPECT_FALSE(dbusMenuLayout(sample(), -1, -1, {}));
  EXPECT_FALSE(dbusMenuProperties(sample(), 5));
}

TEST(DBusMenuChangesTest, ItemsComingGoingOrChangingKindNeedANewLayoutOtherwiseOnlyTheirProperties) {
  EXPECT_FALSE(dbusMenuChanges(sample(), sample()).any());
  std::vector<TrayMenuItem> fewer = sample();
  fewer.pop_back();
  EXPECT_TRUE(dbusMenuChanges(sample(), fewer).layout);
  std::vector<TrayMenuItem> kind = sample();
  kind[2] = separator();
  EXPECT_TRUE(dbusMenuChanges(sample(), kind).layout);

  std::vector<TrayMenuItem> changed = sample();
  changed[0].caption = "Outra";
  changed[2].enabled = true;
  changed[3].checked = false;
  const DBusMenuChanges changes = dbusMenuChanges(sample(), changed);
  EXPECT_FALSE(changes.layout);
  ASSERT_EQ(changes.updated.size(), 2);
  EXPECT_EQ(changes.updated[0].id, 1);
  EXPECT_EQ(changes.updated[0].properties, (QVariantMap{{"label", "Outra"}}));
  EXPECT_EQ(changes.updated[1].id, 3);
  EXPECT_EQ(changes.updated[1].properties, (QVariantMap{{"enabled", true}}));
  ASSERT_EQ(changes.removed.size(), 1);
  EXPECT_EQ(changes.removed[0].id, 4);
  EXPECT_EQ(changes.removed[0].names, (QStringList{"toggle-state", "toggle-type"}));
}

// A menu over items the test changes, recording the choices.
class DBusMenuTest : public ::testing::Test {
 protected:
  TrayMenu source() {
    return {[this] { return items; }, [this](std::size_t index) { chosen.push_back(index); }};
  }

  std::vector<TrayMenuItem> items = sample();
  std::vector<std::size_t> chosen;
  DBusMenu menu{source()};
  QSignalSpy layoutUpdated{&menu, &DBusMenu::LayoutUpdated};
  QSignalSpy propertiesUpdated{&menu, &DBusMenu::ItemsPropertiesUpdated};
};

TEST_F(DBusMenuTest, HostsAreToldOfChangesWhenTheyAskAndAfterARefresh) {
  EXPECT_EQ(menu.version(), 3u);
  EXPECT_EQ(menu.textDirection(), "ltr");
  EXPECT_EQ(menu.status(), "normal");
  DBusMenuLayoutItem layout;
  const uint revision = menu.GetLayout(0, -1, {}, layout);
  EXPECT_EQ(layout.children.size(), 4);
  EXPECT_FALSE(menu.AboutToShow(0));
  EXPECT_EQ(layoutUpdated.count() + propertiesUpdated.count(), 0);

  items[0].caption = "Otimização rápida : 76MB";
  EXPECT_EQ(menu.GetProperty(1, "label").variant(), "Otimização rápida : 76MB");
  ASSERT_EQ(propertiesUpdated.count(), 1);
  EXPECT_FALSE(menu.refresh());  // told once
  EXPECT_EQ(propertiesUpdated.count(), 1);

  items.push_back(item("Nova"));
  EXPECT_TRUE(menu.AboutToShow(0));
  ASSERT_EQ(layoutUpdated.count(), 1);
  EXPECT_EQ(layoutUpdated[0][0].toUInt(), revision + 1);
  EXPECT_EQ(layoutUpdated[0][1].toInt(), 0);
  EXPECT_EQ(menu.GetLayout(0, 1, {}, layout), revision + 1);
  EXPECT_EQ(layout.children.size(), 5);

  QList<int> idErrors;
  items.pop_back();
  EXPECT_EQ(menu.AboutToShowGroup({0, 9}, idErrors), QList<int>{0});
  EXPECT_EQ(idErrors, QList<int>{9});

  const QList<DBusMenuItemProperties> group = menu.GetGroupProperties({2, 9}, {"type"});
  ASSERT_EQ(group.size(), 1);
  EXPECT_EQ(group[0].id, 2);
  EXPECT_EQ(group[0].properties, (QVariantMap{{"type", "separator"}}));
  EXPECT_EQ(menu.GetGroupProperties({}, {}).size(), 5);  // the root and every item
}

TEST_F(DBusMenuTest, OnlyClicksChooseAndTheyActFromTheLoopAfterTheCall) {
  menu.Event(3, "clicked", QDBusVariant(0), 0);
  menu.Event(1, "hovered", QDBusVariant(0), 0);
  menu.Event(0, "clicked", QDBusVariant(0), 0);  // the root is no item
  menu.Event(9, "clicked", QDBusVariant(0), 0);
  EXPECT_TRUE(chosen.empty());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !chosen.empty(); }, 2000));
  EXPECT_THAT(chosen, ElementsAre(2));

  chosen.clear();
  const QList<int> idErrors =
      menu.EventGroup({{4, "clicked", QDBusVariant(0), 0}, {8, "clicked", QDBusVariant(0), 0}});
  EXPECT_EQ(idErrors, QList<int>{8});
  EXPECT_TRUE(QTest::qWaitFor([&] { return !chosen.empty(); }, 2000));
  EXPECT_THAT(chosen, ElementsAre(3));
}

TEST(DBusMenuChoice, AChoiceThatEndsTheMenuEndsCleanlyAndOneThatChangesItIsAnnounced) {
  std::vector<TrayMenuItem> items = sample();
  std::unique_ptr<DBusMenu> gone;
  gone = std::make_unique<DBusMenu>(TrayMenu{[&] { return items; }, [&](std::size_t) { gone.reset(); }});
  gone->Event(1, "clicked", QDBusVariant(0), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return gone == nullptr; }, 2000));

  DBusMenu kept(TrayMenu{[&] { return items; }, [&](std::size_t) { items[0].enabled = false; }});
  QSignalSpy propertiesUpdated(&kept, &DBusMenu::ItemsPropertiesUpdated);
  kept.Event(1, "clicked", QDBusVariant(0), 0);
  EXPECT_TRUE(propertiesUpdated.wait(2000));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
