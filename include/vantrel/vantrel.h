// The whole public interface of the control library.
#pragma once

#include <vantrel/Axis.h>
#include <vantrel/AxisDesign.h>
#include <vantrel/AxisDesign_Linear.h>
#include <vantrel/AxisDesign_Logarithmic.h>
#include <vantrel/AxisFormat.h>
#include <vantrel/AxisModule.h>
#include <vantrel/Colors.h>
#include <vantrel/DoubleArray.h>
#include <vantrel/Enums.h>
#include <vantrel/Error.h>
#include <vantrel/GraphBounds.h>
#include <vantrel/GraphData.h>
#include <vantrel/MemoryPropertyBag.h>
#include <vantrel/PanelData.h>
#include <vantrel/PanelManager.h>
#include <vantrel/PropertyBag.h>
#include <vantrel/Records.h>
#include <vantrel/Ref.h>
#include <vantrel/Rounding.h>
#include <vantrel/Variant.h>
#include <vantrel/XYItem.h>
#include <vantrel/XYItem_Data.h>
#include <vantrel/XYItem_Label.h>
#include <vantrel/XYItem_Shape.h>
