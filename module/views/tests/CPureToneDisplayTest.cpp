#include "module/views/tests/PureToneViewFixture.h"

namespace brisance {
namespace {

using testing::PureToneViewTest;

TEST_F(PureToneViewTest, Smoke)
{
    select(testing::AirItem);
    const auto curve = data->get_PureToneCurves()->Add(1, 3, 2);
    for (auto [f, l] : {std::pair{250, 100}, {500, 150}, {1000, 300}, {2000, 450}, {4000, 600}}) {
        auto p = curve->get_Points()->Add(f);
        p->put_Level(l);
    }
    const auto right = data->get_PureToneCurves()->Add(1, 2, 2);
    for (auto [f, l] : {std::pair{250, 200}, {500, 250}, {1000, 400}, {2000, 550}, {4000, 700}}) {
        auto p = right->get_Points()->Add(f);
        p->put_Level(l);
    }
    view->ShowDataInDataLayer();
    QCoreApplication::processEvents();
    const QImage shot = testing::grabControl(*window);
    shot.save("/tmp/ptview.png");
    shot.copy(0, 0, 300, 200).scaled(900, 600).save("/tmp/crop.png");
}

}  // namespace
}  // namespace brisance
