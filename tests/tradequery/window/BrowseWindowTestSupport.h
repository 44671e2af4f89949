#pragma once
// A browse window for tests of its frame: the tree side is replaced by a recorder, so the
// window loads without a database and a test sees which tree handling each command reaches.
#include "platform/controls/TreeView.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/window/TreeCollaborators.h"

#include <QStringList>
#include <memory>

namespace browsetest {

class RecordingTree : public tq::TreeCollaborators {
public:
    explicit RecordingTree(QStringList& calls) : m_calls(calls) {}
    void StartUp() override { m_calls << QStringLiteral("StartUp"); }
    void ShowItemView() override { m_calls << QStringLiteral("ShowItemView"); }
    void ShowPartnerView() override { m_calls << QStringLiteral("ShowPartnerView"); }
    void NodeClick(controls::Node node) override { m_calls << QStringLiteral("NodeClick ") + node.Key(); }
    void LoadChildNodes(controls::Node node) override { m_calls << QStringLiteral("LoadChildNodes ") + node.Key(); }
    void SelectNodeById(int32_t& id) override { m_calls << QStringLiteral("SelectNodeById %1").arg(id); }
    void setForceReload(bool value) override
    {
        m_calls << QStringLiteral("ForceReload %1").arg(value ? QStringLiteral("true") : QStringLiteral("false"));
    }

private:
    QStringList& m_calls;
};

// A window of the query type with the recording tree, loaded; it is deleted with the fixture.
struct TestWindow {
    explicit TestWindow(int32_t queryType = 1) : window(new tq::BrowseBase)
    {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setQueryType(queryType);
        window->setTreeCollaborators(std::make_unique<RecordingTree>(treeCalls));
        window->Load();
    }
    ~TestWindow() { delete window; }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    tq::BrowseBase* operator->() const { return window; }
    tq::BrowseBase& operator*() const { return *window; }

    // A node "gb<id>" under the root, selected.
    controls::Node selectNode(const QString& key)
    {
        auto& nodes = window->tvwBase().Nodes();
        if (nodes.Count() == 0)
            nodes.Add(QString(), controls::tvwNext, QStringLiteral("gc0"), QStringLiteral("客户"), QVariant(), QVariant());
        controls::Node node = nodes.Add(QStringLiteral("gc0"), controls::tvwChild, key, key, QVariant(), QVariant());
        window->tvwBase().setSelectedItem(node);
        return node;
    }

    QStringList treeCalls;
    tq::BrowseBase* window;
};

} // namespace browsetest
