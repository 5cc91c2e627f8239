#pragma once
// A small PDM for the application-side traversal: jobs with two plain groups, a link to one
// and a link to many materials (which have a table of their own), a one-to-many and a
// one-to-one table. Key texts are chosen so that their order is easy to read.

#include "platform/arbor/Model.h"

#include <string>

namespace Vireo::Cam::Pdm::Testing {

namespace Jobs {
inline constexpr wchar_t Reference[] = L"10000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Name[] = L"10000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Kind[] = L"10000000-0000-4000-8000-000000000002";
inline constexpr wchar_t JobClass[] = L"10000000-0000-4000-8000-0000000000c1";
inline constexpr wchar_t J1[] = L"10000000-0000-4000-8000-0000000000a1";
inline constexpr wchar_t J2[] = L"10000000-0000-4000-8000-0000000000a2";
inline constexpr wchar_t GroupA[] = L"aa000000-0000-4000-8000-000000000000";
inline constexpr wchar_t A1[] = L"aa000000-0000-4000-8000-000000000001";
inline constexpr wchar_t GroupB[] = L"bb000000-0000-4000-8000-000000000000";
inline constexpr wchar_t B1[] = L"bb000000-0000-4000-8000-000000000001";
inline constexpr wchar_t MaterialLink[] = L"c1000000-0000-4000-8000-000000000000";
inline constexpr wchar_t MaterialsLink[] = L"c2000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Items[] = L"d1000000-0000-4000-8000-000000000000";
inline constexpr wchar_t ItemTag[] = L"d1000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Spec[] = L"d2000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Note[] = L"d2000000-0000-4000-8000-000000000001";
inline constexpr wchar_t NoSuchGroup[] = L"ee000000-0000-4000-8000-000000000000";
} // namespace Jobs

namespace Materials {
inline constexpr wchar_t Reference[] = L"20000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Name[] = L"20000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Grades[] = L"2d000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Grade[] = L"2d000000-0000-4000-8000-000000000001";
} // namespace Materials

inline constexpr char JobsSeed[] = R"(<?xml version="1.0" encoding="utf-8"?>
<Pdm server="jobs-pdm" address="jobs-pdm:7">
  <Reference guid="20000000-0000-4000-8000-000000000000" name="Materials">
    <Parameter guid="20000000-0000-4000-8000-000000000001" name="Name"/>
    <Table guid="2d000000-0000-4000-8000-000000000000" name="Grades">
      <Parameter guid="2d000000-0000-4000-8000-000000000001" name="Grade"/>
      <Class guid="2d000000-0000-4000-8000-0000000000c1" name="GradeRow"/>
    </Table>
    <Class guid="20000000-0000-4000-8000-0000000000c1" name="Material"/>
    <Object guid="20000000-0000-4000-8000-0000000000a1" class="20000000-0000-4000-8000-0000000000c1">
      <Value param="20000000-0000-4000-8000-000000000001">M1</Value>
      <Row table="2d000000-0000-4000-8000-000000000000" class="2d000000-0000-4000-8000-0000000000c1">
        <Value param="2d000000-0000-4000-8000-000000000001">G1</Value>
      </Row>
    </Object>
    <Object guid="20000000-0000-4000-8000-0000000000a2" class="20000000-0000-4000-8000-0000000000c1">
      <Value param="20000000-0000-4000-8000-000000000001">M2</Value>
      <Row table="2d000000-0000-4000-8000-000000000000" class="2d000000-0000-4000-8000-0000000000c1">
        <Value param="2d000000-0000-4000-8000-000000000001">G2</Value>
      </Row>
    </Object>
    <Object guid="20000000-0000-4000-8000-0000000000a3" class="20000000-0000-4000-8000-0000000000c1">
      <Value param="20000000-0000-4000-8000-000000000001">M3</Value>
    </Object>
  </Reference>
  <Reference guid="10000000-0000-4000-8000-000000000000" name="Jobs" hierarchy="complex">
    <Parameter guid="10000000-0000-4000-8000-000000000001" name="Name"/>
    <Parameter guid="10000000-0000-4000-8000-000000000002" name="Kind"/>
    <Group guid="aa000000-0000-4000-8000-000000000000" name="A">
      <Parameter guid="aa000000-0000-4000-8000-000000000001" name="A1"/>
    </Group>
    <Group guid="bb000000-0000-4000-8000-000000000000" name="B">
      <Parameter guid="bb000000-0000-4000-8000-000000000001" name="B1"/>
    </Group>
    <Link guid="c1000000-0000-4000-8000-000000000000" name="Material" to="20000000-0000-4000-8000-000000000000"/>
    <Link guid="c2000000-0000-4000-8000-000000000000" name="Materials" to="20000000-0000-4000-8000-000000000000" many="true"/>
    <Table guid="d1000000-0000-4000-8000-000000000000" name="Items">
      <Parameter guid="d1000000-0000-4000-8000-000000000001" name="Tag"/>
      <Class guid="d1000000-0000-4000-8000-0000000000c1" name="Item"/>
    </Table>
    <Table guid="d2000000-0000-4000-8000-000000000000" name="Spec" many="false">
      <Parameter guid="d2000000-0000-4000-8000-000000000001" name="Note"/>
      <Class guid="d2000000-0000-4000-8000-0000000000c1" name="SpecRow"/>
    </Table>
    <Class guid="10000000-0000-4000-8000-0000000000c1" name="Job"/>
    <Object guid="10000000-0000-4000-8000-0000000000a1" class="10000000-0000-4000-8000-0000000000c1">
      <Value param="10000000-0000-4000-8000-000000000001">J1</Value>
      <Value param="10000000-0000-4000-8000-000000000002">mill</Value>
      <Link group="c1000000-0000-4000-8000-000000000000" object="20000000-0000-4000-8000-0000000000a1"/>
      <Link group="c2000000-0000-4000-8000-000000000000" object="20000000-0000-4000-8000-0000000000a1"/>
      <Link group="c2000000-0000-4000-8000-000000000000" object="20000000-0000-4000-8000-0000000000a2"/>
      <Link group="c2000000-0000-4000-8000-000000000000" object="20000000-0000-4000-8000-0000000000a3"/>
      <Row table="d1000000-0000-4000-8000-000000000000" class="d1000000-0000-4000-8000-0000000000c1" order="1">
        <Value param="d1000000-0000-4000-8000-000000000001">T1</Value>
      </Row>
      <Row table="d1000000-0000-4000-8000-000000000000" class="d1000000-0000-4000-8000-0000000000c1" order="2">
        <Value param="d1000000-0000-4000-8000-000000000001">T2</Value>
      </Row>
      <Row table="d2000000-0000-4000-8000-000000000000" class="d2000000-0000-4000-8000-0000000000c1">
        <Value param="d2000000-0000-4000-8000-000000000001">S1</Value>
      </Row>
    </Object>
    <Object guid="10000000-0000-4000-8000-0000000000a2" class="10000000-0000-4000-8000-0000000000c1">
      <Value param="10000000-0000-4000-8000-000000000001">J2</Value>
    </Object>
  </Reference>
</Pdm>
)";

} // namespace Vireo::Cam::Pdm::Testing
