// A host program built against the installed package only.
#include <cstdio>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>

int main()
{
    auto bounds = std::make_shared<vantrel::GraphBounds>();
    bounds->Initialize(0.0, 0.0, 10.0, 5.0);
    vantrel::Axis axis;
    if (!axis.ApplyBounds(0, 500, bounds->XMin(), bounds->XMax()))
        return 1;
    if (axis.Design()->GetPixel(2.25) != 112)
        return 2;
    try {
        vantrel::CLng(3e10);
        return 3;
    } catch (const vantrel::Error& e) {
        if (e.Number() != 6)
            return 4;
    }
    vantrel::HeadlessHost host(320, 240);
    host.InitNew();
    host.Graph().Clear();
    host.Graph().SetScale(0.0, 0.0, 10.0, 5.0);
    if (!host.Graph().Scaled())
        return 5;
    std::puts("consumer: ok");
    return 0;
}
