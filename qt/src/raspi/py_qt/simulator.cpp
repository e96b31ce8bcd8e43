#include "simulator.h"

void Simulator::setSimAutoFlow(bool value) { store(m_simAutoFlow, value, &Simulator::simAutoFlowChanged); }
void Simulator::setSimTicksPerMinuteMin(int value)
{
    store(m_simTicksPerMinuteMin, value, &Simulator::simTicksPerMinuteMinChanged);
}
void Simulator::setSimTicksPerMinuteMax(int value)
{
    store(m_simTicksPerMinuteMax, value, &Simulator::simTicksPerMinuteMaxChanged);
}
void Simulator::setSimTicksPerMinute(int value)
{
    clamp(m_simTicksPerMinute, value, m_simTicksPerMinuteMin, m_simTicksPerMinuteMax,
          &Simulator::simTicksPerMinuteChanged);
}
void Simulator::setSimAutoHeating(bool value) { store(m_simAutoHeating, value, &Simulator::simAutoHeatingChanged); }
void Simulator::setSimDegreesPerMinuteMin(float value)
{
    store(m_simDegreesPerMinuteMin, value, &Simulator::simDegreesPerMinuteMinChanged);
}
void Simulator::setSimDegreesPerMinuteMax(float value)
{
    store(m_simDegreesPerMinuteMax, value, &Simulator::simDegreesPerMinuteMaxChanged);
}
void Simulator::setSimDegreesPerMinute(float value)
{
    clamp(m_simDegreesPerMinute, value, m_simDegreesPerMinuteMin, m_simDegreesPerMinuteMax,
          &Simulator::simDegreesPerMinuteChanged);
}
void Simulator::setSimAIn0Min(int value) { store(m_simAIn0Min, value, &Simulator::simAIn0MinChanged); }
void Simulator::setSimAIn0Max(int value) { store(m_simAIn0Max, value, &Simulator::simAIn0MaxChanged); }
void Simulator::setSimAIn0(int value)
{
    clamp(m_simAIn0, value, m_simAIn0Min, m_simAIn0Max, &Simulator::simAIn0Changed);
}
void Simulator::setSimAIn1Min(int value) { store(m_simAIn1Min, value, &Simulator::simAIn1MinChanged); }
void Simulator::setSimAIn1Max(int value) { store(m_simAIn1Max, value, &Simulator::simAIn1MaxChanged); }
void Simulator::setSimAIn1(int value)
{
    clamp(m_simAIn1, value, m_simAIn1Min, m_simAIn1Max, &Simulator::simAIn1Changed);
}
void Simulator::setSimScaleFactor(float value) { store(m_simScaleFactor, value, &Simulator::simScaleFactorChanged); }
