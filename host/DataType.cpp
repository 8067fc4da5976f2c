#include "host/DataType.h"

#include "host/ActionState.h"

namespace host {

int DataType::code() const
{
    return m_action->read().dataTypeCode;
}

void DataType::setCode(int code) const
{
    m_action->change(ActionField::DataTypeCode, &ActionRecord::dataTypeCode, code);
}

int DataType::format() const
{
    return m_action->read().dataFormat;
}

void DataType::setFormat(int format) const
{
    m_action->change(ActionField::DataFormat, &ActionRecord::dataFormat, format);
}

}  // namespace host
