#pragma once
// The single table of host identifiers: tool-logic kinds, strategy kinds, stock kinds,
// geometry-set types and slots, and every host parameter of the CAM objects. The catalogue
// of the plug-in and the kind declarations of this model both read them from here.

#include "platform/zktypes/UniqueIdentifier.h"

namespace Vireo::Cam::HostIds {

using zktypes::HostId;

// Parameters that every CAM object kind shares.
namespace Common {
inline constexpr UniqueIdentifier Name = HostId("3feae369-f41f-4010-a410-858c6aecc831");
inline constexpr UniqueIdentifier Description = HostId("e0fec3be-e449-4002-8b4f-c228e4152a7d");
inline constexpr UniqueIdentifier OrderNo = HostId("0c0cc5dd-5d18-47e1-b75a-4786087bc8f9");
} // namespace Common

// Tool-logic kinds: what the default tool-logic factory creates.
namespace ToolKinds {
inline constexpr UniqueIdentifier MillEnd = HostId("ae471e72-676d-4739-9418-bc4000adb986");
inline constexpr UniqueIdentifier MillSphere = HostId("ff27a19f-c951-4843-a071-a58362e2e8ac");
inline constexpr UniqueIdentifier MillTaper = HostId("15b235f5-797d-4b11-9198-c56cff12ee8c");
inline constexpr UniqueIdentifier MillRadius = HostId("02a4b72e-c9d0-472d-98d4-3f132716f72f");
inline constexpr UniqueIdentifier MillConvex = HostId("59ec1418-a0af-46ec-9de4-fad3f6d085bb");
inline constexpr UniqueIdentifier MillDove = HostId("e281adfc-7df5-4072-919c-bb03e6cf757a");
inline constexpr UniqueIdentifier MillLollipop = HostId("b246796d-ca34-4408-ba02-b63be6d5c6e2");
inline constexpr UniqueIdentifier MillSlot = HostId("fd6a6f13-3edc-4aa5-ab4f-0c70f11abaf3");
inline constexpr UniqueIdentifier MillBarrel = HostId("333336ac-17ff-474d-ba07-b6a2ee831e13");
inline constexpr UniqueIdentifier ThreadMill = HostId("07d06913-c5f0-4956-8625-f5288447035c");
inline constexpr UniqueIdentifier Drill = HostId("7195b558-6eb6-47c9-91ac-95309f54f438");
inline constexpr UniqueIdentifier CentreDrill = HostId("cacdb2e3-90b9-47f5-9007-bd4083b56d66");
inline constexpr UniqueIdentifier Countersink = HostId("d69e459d-62c0-4e15-a323-b1009fc8156c");
inline constexpr UniqueIdentifier Reamer = HostId("d97f3b7c-5a3b-43b5-9f63-1ca6fbd17bed");
inline constexpr UniqueIdentifier Counterbore = HostId("b4040cb7-305b-4fa3-9195-7a8ad8e2c693");
inline constexpr UniqueIdentifier Tap = HostId("b6153a16-71fd-4290-80ba-c4b27368ca63");
inline constexpr UniqueIdentifier TurnInsert = HostId("6659157b-c180-47be-be31-ed0752d613e8");
inline constexpr UniqueIdentifier GrooveInsert = HostId("9e289392-3776-43ff-a4f9-35d5c73e444d");
} // namespace ToolKinds

// Tool parameters, per tool-logic kind.
namespace ToolParams {
// Insert shape of turning tools: 0 two-edge, 1 rhomboid, 2 parallelogram, 3 triangle,
// 4 circle, 5 polygon.
inline constexpr UniqueIdentifier TurnInsertShape = HostId("a65ca893-be15-4c84-b885-5842d77f4ec5");
// Insert shape of grooving tools: 0 for the A form.
inline constexpr UniqueIdentifier GrooveInsertShape = HostId("4b3e1232-1431-445e-86de-eff8fd435365");
namespace MillEnd {
inline constexpr UniqueIdentifier D = HostId("da27ecd9-eeb7-47f5-bc5d-25872fe93d06");
inline constexpr UniqueIdentifier Lw = HostId("9f8c9a12-6868-44d8-b9ce-12e403b3bd63");
inline constexpr UniqueIdentifier L = HostId("d20cf633-a2ee-42f9-84db-d1fa05cf8c42");
inline constexpr UniqueIdentifier Shoulder = HostId("a19ca520-e11b-4303-b4e3-469d7a76bb36");
inline constexpr UniqueIdentifier Ds = HostId("91204651-ea8a-40f3-b15c-93b864b7ff1b");
inline constexpr UniqueIdentifier Ln = HostId("fb0841de-8637-496c-9b23-22282f35fde6");
inline constexpr UniqueIdentifier LengthMode = HostId("aeffb600-a7ee-477b-8e63-2e84d27581af");
inline constexpr UniqueIdentifier Lu = HostId("f21ecedc-a01b-4d4e-ac34-6bd01367491b");
inline constexpr UniqueIdentifier Z = HostId("8d89597b-2429-4f22-828f-02e7affaa018");
} // namespace MillEnd
namespace MillSphere {
inline constexpr UniqueIdentifier D = HostId("641b5205-6fcc-45ab-a6d8-683206a61500");
inline constexpr UniqueIdentifier Lw = HostId("ca210d9f-554c-465e-aaee-d2c9e6a87377");
inline constexpr UniqueIdentifier L = HostId("0b23de3c-18aa-4fb1-9739-6b303a8f878f");
inline constexpr UniqueIdentifier Shoulder = HostId("475b6ea1-d469-490f-b000-936efb129435");
inline constexpr UniqueIdentifier Ds = HostId("d961c7fd-86af-4553-9356-f42ebd45b4d5");
inline constexpr UniqueIdentifier Ln = HostId("eafb771b-30d5-4753-92d2-061ce0784fb0");
inline constexpr UniqueIdentifier LengthMode = HostId("6192246c-ac30-4a02-8300-ae52a8538bd0");
inline constexpr UniqueIdentifier Lu = HostId("6e27d4bf-7b2b-43f1-975b-760ff6626411");
inline constexpr UniqueIdentifier Z = HostId("0285e614-9089-4b2e-9970-bbe7173bcf6d");
} // namespace MillSphere
namespace MillTaper {
inline constexpr UniqueIdentifier W = HostId("d749a494-534b-48f6-bf1b-2927804436d6");
inline constexpr UniqueIdentifier D = HostId("869c8fa0-9a12-49be-acc1-f961c2ced082");
inline constexpr UniqueIdentifier Lw = HostId("826ee55b-c3bc-4856-ab35-a02e9cdca22a");
inline constexpr UniqueIdentifier L = HostId("0cf98bbc-11f8-4d7b-be39-df6f74636a1b");
inline constexpr UniqueIdentifier R = HostId("0ecaed9b-687c-46bb-bd23-c9cf5a2c75d1");
inline constexpr UniqueIdentifier A = HostId("8458198e-1d16-476a-a275-e8d0327c952a");
inline constexpr UniqueIdentifier Shoulder = HostId("18eacb13-e6a9-4c28-8bb3-9c6bc1843bf8");
inline constexpr UniqueIdentifier Ds = HostId("5f09f32f-9705-4414-b368-6697dc9781d5");
inline constexpr UniqueIdentifier Ln = HostId("9caf12b0-6fea-4f75-b064-ab6534e449f8");
inline constexpr UniqueIdentifier LengthMode = HostId("729dbe06-d423-4a99-85ac-2e9f9a426404");
inline constexpr UniqueIdentifier Lu = HostId("3ca25293-da22-4342-a56c-9bb5392021a6");
inline constexpr UniqueIdentifier Z = HostId("225ec6d2-e50b-49ed-b720-db2fb03f5e31");
} // namespace MillTaper
namespace MillRadius {
inline constexpr UniqueIdentifier D = HostId("30b6c6c2-78d5-4e2e-8934-f7a7edc076ab");
inline constexpr UniqueIdentifier Lw = HostId("bf39727f-cac4-49a3-9253-c2e3198ea2a5");
inline constexpr UniqueIdentifier L = HostId("383a275e-2835-4f7f-975e-a6f4a2f2a056");
inline constexpr UniqueIdentifier R = HostId("349df3aa-6876-4e09-95da-795bf772fd27");
inline constexpr UniqueIdentifier Shoulder = HostId("009581b7-d171-4e54-83fc-65df9eb9576b");
inline constexpr UniqueIdentifier Ds = HostId("512be122-47c9-40e1-ab6c-4e27ac166c14");
inline constexpr UniqueIdentifier Ln = HostId("08979c5e-15a6-4694-896f-8259517e6620");
inline constexpr UniqueIdentifier LengthMode = HostId("f47e7fa6-82b3-45ce-88cb-48dfa95dc9c8");
inline constexpr UniqueIdentifier Lu = HostId("3a8ec5a7-d339-4ad3-8680-9b4216d7e38f");
inline constexpr UniqueIdentifier Z = HostId("f7fecf05-84f2-4e6c-8774-761c9feee8b6");
} // namespace MillRadius
namespace MillConvex {
inline constexpr UniqueIdentifier D = HostId("6af688f1-2a1f-4edc-b875-ec5d29c53c29");
inline constexpr UniqueIdentifier Lw = HostId("cc305fef-b4ac-4803-8e6b-aa8f6657ce38");
inline constexpr UniqueIdentifier L = HostId("6dd22d05-3d8c-4651-bfb2-67a2bbe9d1d1");
inline constexpr UniqueIdentifier CR = HostId("767e700a-859b-497a-bf0e-e5cbb751eb95");
inline constexpr UniqueIdentifier TR = HostId("180e53d5-9a03-4160-8985-6908022d799d");
inline constexpr UniqueIdentifier FR = HostId("d9590a0d-37ab-453c-ab77-78f3fb8613fd");
} // namespace MillConvex
namespace MillDove {
inline constexpr UniqueIdentifier D = HostId("a7c20ea8-ed77-45d7-8918-ad24778d6f46");
inline constexpr UniqueIdentifier Lw = HostId("3ea73391-d387-4408-8549-5bab29240b93");
inline constexpr UniqueIdentifier L = HostId("ce49eba9-4d3b-48a7-abb0-69b160eef39b");
inline constexpr UniqueIdentifier R = HostId("5061e7cd-b194-41c7-a494-302ec2af1b55");
inline constexpr UniqueIdentifier A = HostId("db767dd0-a75a-401c-96b4-3955de093c0f");
inline constexpr UniqueIdentifier Ds = HostId("a790b2cc-d375-4766-8860-d509fc9e90ac");
inline constexpr UniqueIdentifier Df = HostId("24b367ff-642f-4f39-ada1-8f513d48ca3f");
inline constexpr UniqueIdentifier Z = HostId("e1856dee-3ba4-4a9c-8811-445e003af787");
} // namespace MillDove
namespace MillLollipop {
inline constexpr UniqueIdentifier D = HostId("c68f530a-1029-4459-b765-64a5d35f1bf1");
inline constexpr UniqueIdentifier Lw = HostId("1d5deb39-f06d-4c04-9e18-96c68ac3c771");
inline constexpr UniqueIdentifier Ds = HostId("a2e3c99e-ef9e-45a3-98f4-88397e6bd48b");
inline constexpr UniqueIdentifier L = HostId("5d203f25-76ca-4178-bd2d-e933d694c8c0");
inline constexpr UniqueIdentifier Z = HostId("3db0ad29-dda2-46c6-9486-867919409083");
} // namespace MillLollipop
namespace MillSlot {
inline constexpr UniqueIdentifier D = HostId("55773ce7-073e-4950-b470-5fb6cc3f91c0");
inline constexpr UniqueIdentifier Ds = HostId("16fe77eb-70a3-4487-acc6-9fae57ce23a9");
inline constexpr UniqueIdentifier Lw = HostId("b7c96145-52bb-4f58-8be9-bfa5461f2719");
inline constexpr UniqueIdentifier L = HostId("eb098fff-56fe-4bca-b1c4-78e9ba129875");
inline constexpr UniqueIdentifier CornerType = HostId("333be9a0-f9c9-4ca3-888d-3806b16b6f98");
inline constexpr UniqueIdentifier R1 = HostId("e0a2dadc-ba5d-4652-a54b-a54d0808f648");
inline constexpr UniqueIdentifier R2 = HostId("d630c74b-8b0c-4722-9acb-9631238d5468");
inline constexpr UniqueIdentifier B1 = HostId("83b79c9e-ca9d-400c-bb8b-dffa0440e6fc");
inline constexpr UniqueIdentifier C1 = HostId("634ed693-deee-4191-b9ba-8ee78b0d4acf");
inline constexpr UniqueIdentifier B2 = HostId("ee83dfed-3b5e-42d6-94d4-3fd5cd3f3870");
inline constexpr UniqueIdentifier C2 = HostId("8dc885c4-983a-4701-b405-bdd973ca8e13");
inline constexpr UniqueIdentifier Z = HostId("03557d48-ec74-46f0-8387-4d1764a1bbd5");
} // namespace MillSlot
namespace MillBarrel {
inline constexpr UniqueIdentifier D = HostId("01da0b57-cc75-4988-8d21-79b4a1902c98");
inline constexpr UniqueIdentifier SD = HostId("6d654382-3916-471e-b3bd-56c66fccc399");
inline constexpr UniqueIdentifier Lw = HostId("cec92dec-832b-49ca-9cf2-d64e9e6a74ae");
inline constexpr UniqueIdentifier L = HostId("fc0f7b57-6e56-453e-b6d5-b4207caadb21");
inline constexpr UniqueIdentifier CR = HostId("ae809cad-49b8-4f3d-a3ed-038a6ea9b088");
} // namespace MillBarrel
namespace ThreadMill {
inline constexpr UniqueIdentifier D = HostId("7a011db7-ae1f-4082-bba8-115488063241");
inline constexpr UniqueIdentifier Lw = HostId("0ee19788-09ca-4621-9b0f-bfdfa2e11cab");
inline constexpr UniqueIdentifier L = HostId("07eb35f6-1f95-4bc8-8fc0-77c688889047");
inline constexpr UniqueIdentifier Type = HostId("8fcd6305-55ea-4d33-8b19-ab28c7727730");
inline constexpr UniqueIdentifier A = HostId("3073bcb1-d36f-42a1-b276-25c797cecf74");
inline constexpr UniqueIdentifier Ds = HostId("9a6237a5-6eb1-4211-a007-ce3c2bc56fbd");
inline constexpr UniqueIdentifier Df = HostId("a28378fd-8258-4a71-b71e-b791c41af22a");
inline constexpr UniqueIdentifier P = HostId("444e8e01-f400-40c7-bb63-2ccb9d04ae28");
inline constexpr UniqueIdentifier TPI = HostId("c8071f30-42ee-4f04-afca-6ff16d2391f8");
inline constexpr UniqueIdentifier IsPitch = HostId("d33ddec3-3c29-49f9-b686-d27979c44690");
inline constexpr UniqueIdentifier Pmin = HostId("bc882826-c154-4f32-a58e-79e3d86ecacd");
inline constexpr UniqueIdentifier Pmax = HostId("d9531e6f-9bbb-493c-a7b8-65ee67f7f911");
inline constexpr UniqueIdentifier TPImin = HostId("8880d7d7-16c1-495b-904b-55d631ceb643");
inline constexpr UniqueIdentifier TPImax = HostId("8406753e-a4a9-4f20-aa49-19816d6b153f");
inline constexpr UniqueIdentifier SinglePitchMode = HostId("0a95a24a-807d-47ac-beb2-c313c72d4344");
inline constexpr UniqueIdentifier MultiPitchMode = HostId("ead6130c-790c-4258-a25c-32d60bf7e8cb");
inline constexpr UniqueIdentifier CutMode = HostId("6c303876-6731-42d4-82d6-3a80dd90af64");
inline constexpr UniqueIdentifier Lc = HostId("1bca6347-05ea-4435-a316-c3bc290b50a4"); // "Lс"
inline constexpr UniqueIdentifier Nc = HostId("f376fcdd-da59-4df8-8aa4-6f906a0071e4"); // "Nс"
inline constexpr UniqueIdentifier Z = HostId("50b1a8d1-f2fd-4560-8cec-c77a7a16cbf0");
} // namespace ThreadMill
namespace Drill {
inline constexpr UniqueIdentifier D = HostId("11df6446-a1fd-47cb-98c8-2c62eaf5643c");
inline constexpr UniqueIdentifier Lw = HostId("2237bd94-c696-422a-ba84-ea897da2db8f");
inline constexpr UniqueIdentifier L = HostId("b0b7625d-c265-47ac-9109-2b216d89c38c");
inline constexpr UniqueIdentifier A = HostId("58ec0a88-e724-4732-a9de-d6a7eb7e20cd");
inline constexpr UniqueIdentifier Shoulder = HostId("5fd1bdf2-dbfd-4e9e-9bec-483f08b756a4");
inline constexpr UniqueIdentifier Ds = HostId("31991c7f-33df-4f9e-ac9e-054561e72efb");
inline constexpr UniqueIdentifier Ln = HostId("9977fc0d-a671-41d3-8122-3eda3bf8161a");
inline constexpr UniqueIdentifier LengthMode = HostId("d082b85c-9546-4007-8739-c34b87963b64");
inline constexpr UniqueIdentifier Lu = HostId("5e73f95d-0d2e-41d9-bc2d-4c36529051a7");
inline constexpr UniqueIdentifier Z = HostId("50483499-c7dc-4178-9e8b-25c9a5fc5ed2");
} // namespace Drill
namespace CentreDrill {
inline constexpr UniqueIdentifier D = HostId("b383fe67-2f09-459a-9288-1327eec293bf");
inline constexpr UniqueIdentifier Lw = HostId("3ef0344b-b250-495b-9ac7-6a7c7f34c5c2");
inline constexpr UniqueIdentifier L = HostId("d0f2265d-d85b-49d0-bb7f-9d6155914eac");
inline constexpr UniqueIdentifier B = HostId("7a543bb1-b055-425b-9a98-6b895e284550");
inline constexpr UniqueIdentifier Da = HostId("0a64b44e-588c-4497-ba88-743928d34437");
inline constexpr UniqueIdentifier La = HostId("48e74e96-4689-4edf-8ad6-2d9d48009e07");
inline constexpr UniqueIdentifier A = HostId("a1e805a0-e2db-492f-92d5-e3165191332a");
inline constexpr UniqueIdentifier Z = HostId("1b4689d8-10cf-4a4a-80eb-d22fb9b5485d");
} // namespace CentreDrill
namespace Countersink {
inline constexpr UniqueIdentifier D = HostId("f6d0ae21-9922-403f-aa1c-8cb8c21e6b4f");
inline constexpr UniqueIdentifier Lw = HostId("ed0f3a6a-1666-484e-bd07-311b1c10ba56");
inline constexpr UniqueIdentifier L = HostId("b36ca07f-e720-48a3-a96c-5b1303f9459a");
inline constexpr UniqueIdentifier A = HostId("d3a076fb-fce4-4054-b9b5-2923fa30d395");
inline constexpr UniqueIdentifier Df = HostId("e0c9cdd6-04f0-44e8-a90e-07b782736429");
inline constexpr UniqueIdentifier Z = HostId("c2169be5-d478-4b05-ae7a-89ec86a397ab");
} // namespace Countersink
namespace Reamer {
inline constexpr UniqueIdentifier D = HostId("1f118ed5-c6d4-4bb3-8e63-ffbdf62a4217");
inline constexpr UniqueIdentifier Lw = HostId("30e52a6c-8a25-4a0f-9a20-b94660206262");
inline constexpr UniqueIdentifier Shoulder = HostId("2efb790e-5ce5-4255-b8f5-ad57c1dd107e");
inline constexpr UniqueIdentifier L = HostId("b03e01f8-bc77-48de-817d-55fce014fe0e");
inline constexpr UniqueIdentifier A = HostId("df710717-4324-4928-b923-e5f6f182ece9");
inline constexpr UniqueIdentifier La = HostId("f81ade35-b50b-44a5-919c-86a2eb1ded67");
inline constexpr UniqueIdentifier Ds = HostId("450110ca-ed96-4daa-b49b-337d55950252");
inline constexpr UniqueIdentifier Ln = HostId("01276700-557b-4724-b6dd-39b1dd6fd305");
inline constexpr UniqueIdentifier LengthMode = HostId("0343caa3-4962-44b0-be6c-a9ac88b54908");
inline constexpr UniqueIdentifier Lu = HostId("6c633f3d-55d2-4a4d-82e4-89b2489c8b01");
inline constexpr UniqueIdentifier Z = HostId("3e7b023e-7139-4bd7-b570-4c912d7066ba");
} // namespace Reamer
namespace Counterbore {
inline constexpr UniqueIdentifier D = HostId("73163790-60d9-4e8a-ae1b-6461b9eecce2");
inline constexpr UniqueIdentifier Lw = HostId("a7af9729-eb4c-4a8e-83db-3fd1403e51bc");
inline constexpr UniqueIdentifier L = HostId("ab13e88c-38af-4d07-9e5d-2f494ac15f13");
inline constexpr UniqueIdentifier R = HostId("e2235e50-017e-431e-979b-dad944c49a2a");
inline constexpr UniqueIdentifier Da = HostId("80448b83-4b76-4be3-9beb-8e8bfb32e90b");
inline constexpr UniqueIdentifier La = HostId("ae4f2f97-1622-4579-af41-2c2875480b42");
inline constexpr UniqueIdentifier C = HostId("d1e30414-73e8-4f82-8647-44310e895d10");
inline constexpr UniqueIdentifier Z = HostId("f7b9449c-d271-41d1-892a-b6ddef1809dc");
} // namespace Counterbore
namespace Tap {
inline constexpr UniqueIdentifier Direction = HostId("fef99afb-ed81-4814-9686-817eb111250a");
inline constexpr UniqueIdentifier D = HostId("c435a190-2df2-4617-afbc-1d412ee8f801");
inline constexpr UniqueIdentifier Lw = HostId("5fd29a5c-60ba-4be5-bd65-d9799cc57126");
inline constexpr UniqueIdentifier L = HostId("34303438-ef88-43b3-956c-b93d811d83b4");
inline constexpr UniqueIdentifier Ds = HostId("e77c8ad4-1e0a-4bec-9e51-d66b2b32a1e5");
inline constexpr UniqueIdentifier P = HostId("58eae578-37e7-4eaa-98a1-9edcef7cd22f");
inline constexpr UniqueIdentifier A = HostId("e5fa9cf4-46f1-429d-a66c-1d75ae7470e5");
inline constexpr UniqueIdentifier La = HostId("e620d4d1-3765-4d6f-985f-b43d1a934682");
inline constexpr UniqueIdentifier Lb = HostId("3c4fb56a-499a-40cc-b65f-bad2662c193e");
inline constexpr UniqueIdentifier B = HostId("2f15c489-0506-4b62-b049-b13271cb1a02");
inline constexpr UniqueIdentifier Standard = HostId("e43fb2fb-8935-49e9-89a9-fa90b3a56ac2");
inline constexpr UniqueIdentifier K = HostId("3518b3cc-639d-478b-be06-135fcb1b6a02");
inline constexpr UniqueIdentifier Z = HostId("19a8ea9b-50cd-406d-836c-cb8c3a4a9053");
} // namespace Tap
namespace TurnInsert {
inline constexpr UniqueIdentifier PlateType = HostId("dde414eb-1448-43f6-a919-a1d8ea13e55c");
inline constexpr UniqueIdentifier ToolSide = HostId("dcff1551-62d1-48e7-8e14-2738be313908");
inline constexpr UniqueIdentifier Direction = HostId("34a76360-23d4-4b12-a13f-a2c2b34c9572");
inline constexpr UniqueIdentifier A = HostId("cb80ae0b-ec26-4f9c-872d-7f70658bc2b3");
inline constexpr UniqueIdentifier Y = HostId("7225a56f-6929-4cf2-8119-45d59c7c85c0");
inline constexpr UniqueIdentifier B = HostId("a06a54d6-7d37-45e2-8f33-fe521b1144c2");
inline constexpr UniqueIdentifier C = HostId("b5364a38-b0ce-4bdb-b626-1c487a963b4c");
inline constexpr UniqueIdentifier Aa = HostId("6830fe16-8dea-413b-bfd4-9a1b9acee147");
inline constexpr UniqueIdentifier Ay = HostId("a7f56a62-7d89-431b-a995-fe5b16dcd905");
inline constexpr UniqueIdentifier R = HostId("0d3d37b2-6377-49db-a408-9ae959932a60");
inline constexpr UniqueIdentifier S = HostId("e50c9264-22f0-4b28-b81e-1c81ab3dfb2a");
inline constexpr UniqueIdentifier HT = HostId("7b8d2dd6-26f7-439e-9a84-325d28af1080");
inline constexpr UniqueIdentifier L = HostId("c66a6846-623a-4a35-bf7c-89043609d96d");
inline constexpr UniqueIdentifier W = HostId("dbdc814a-1535-426d-aaab-0640303ad672");
inline constexpr UniqueIdentifier E = HostId("2aa81c76-f213-43eb-baf2-c83461190dd0");
inline constexpr UniqueIdentifier HL = HostId("9e9037d2-047a-44b3-8498-8ed65173dc38");
inline constexpr UniqueIdentifier HW = HostId("13b75a28-b012-4799-8735-88b3c022dc5e");
inline constexpr UniqueIdentifier HD = HostId("b2e818dd-cbde-4bf6-9dbf-fdc3553d7b18");
inline constexpr UniqueIdentifier HS = HostId("b6aed781-1f80-477b-acde-517d863afacf");
inline constexpr UniqueIdentifier Shape = HostId("1593d4b2-3204-4459-b26b-abea7cc2eac6");
inline constexpr UniqueIdentifier D = HostId("b3215174-1474-4b66-892d-c5c1fb81285f");
inline constexpr UniqueIdentifier Lc = HostId("4fe4310a-7b3b-4c70-b1f0-b6d8c39273b1");
inline constexpr UniqueIdentifier F = HostId("acb833c3-7ef2-41c5-86ea-c9c53a9892d8");
inline constexpr UniqueIdentifier La = HostId("fcf0aef1-29fc-4958-81b8-63eef342cc4c");
inline constexpr UniqueIdentifier Lb = HostId("a2db8c6a-78a1-47a8-961f-9ec95b358c47");
inline constexpr UniqueIdentifier T = HostId("bd6a301d-a0a0-40b1-9dbc-b5e25f6f2bce"); // "t"
inline constexpr UniqueIdentifier WA = HostId("f8ec1fa8-01b5-4c25-9ea7-5d3466607cd5");
} // namespace TurnInsert
namespace GrooveInsert {
inline constexpr UniqueIdentifier PlateType = HostId("4d674197-987e-49aa-ae00-4272edee6977");
inline constexpr UniqueIdentifier ToolSide = HostId("32caee0a-6276-4ef7-99dc-0ebc47f06795");
inline constexpr UniqueIdentifier Direction = HostId("d2c00479-31e4-4784-a3b3-b4a754031f91");
inline constexpr UniqueIdentifier La = HostId("8e1930fb-cca1-4d16-a1b8-3f47031469f7");
inline constexpr UniqueIdentifier Lb = HostId("f38cb6ca-a147-40cb-9eae-07a5267a553f");
inline constexpr UniqueIdentifier A = HostId("8c77fca7-c31f-40da-af3d-ee99043a6dff");
inline constexpr UniqueIdentifier B1 = HostId("8002cb0b-a658-40ce-bc36-98724badee6f");
inline constexpr UniqueIdentifier B2 = HostId("0cf9d872-c57c-4c84-bde4-8c8d14a95b1d");
inline constexpr UniqueIdentifier F = HostId("1cda4c13-be4e-45e2-a83d-d49ff8b4811b");
inline constexpr UniqueIdentifier C = HostId("d8c4de76-7012-42b0-95a7-0decb2444227");
inline constexpr UniqueIdentifier RadiusType = HostId("45a4f5e8-0e65-4614-a45d-43099b2af3f2");
inline constexpr UniqueIdentifier R1 = HostId("dfdc2e6d-2292-4bec-962d-cba34c2ca40c");
inline constexpr UniqueIdentifier R2 = HostId("9348f7ea-b906-4a2d-8cfe-bc375400e541");
inline constexpr UniqueIdentifier S = HostId("272c7e9d-cff1-4b93-a330-e54c142390b1");
inline constexpr UniqueIdentifier HT = HostId("77896984-bc53-4345-ab8b-58229d9f84a9");
inline constexpr UniqueIdentifier L = HostId("75dbecc3-c080-4187-8673-80aab65515c4");
inline constexpr UniqueIdentifier HW = HostId("8f6070f3-9c82-4baf-b99e-80820f3739b3");
inline constexpr UniqueIdentifier WA = HostId("d3cdb097-abbc-42c5-90dd-bce77d1b9ff0");
inline constexpr UniqueIdentifier HL = HostId("55c4017a-dbc0-4d95-81b4-8f92c9a97847");
inline constexpr UniqueIdentifier W = HostId("969d5534-3fa7-4539-b49d-0bbc48f834f0");
inline constexpr UniqueIdentifier HD = HostId("aeecacd0-73b8-4650-9d75-034be7ce35d8");
inline constexpr UniqueIdentifier HS = HostId("07a76ede-be09-46ab-9d2c-cd9ce991066f");
} // namespace GrooveInsert
} // namespace ToolParams

// Strategy kinds: what the default strategy factory creates.
namespace StrategyKinds {
inline constexpr UniqueIdentifier MillLayers = HostId("6fc33699-69fb-4c42-9e21-bbd2bd67e909");
inline constexpr UniqueIdentifier MillContour = HostId("f85674da-7cb1-4186-99b9-f443d38d9500");
inline constexpr UniqueIdentifier MillSurface = HostId("b7007174-9868-47c4-b90a-cbc53e2b0bee");
inline constexpr UniqueIdentifier MillFace = HostId("1e210b25-cbb0-4099-b275-299d9f05fea0");
inline constexpr UniqueIdentifier MillPlunge = HostId("276f80a4-b315-4ea0-895f-aacd15739c6f");
inline constexpr UniqueIdentifier MillCurve = HostId("6df86137-c518-472f-9948-1036ec642ff7");
inline constexpr UniqueIdentifier TurnLayers = HostId("19b9dd5e-cdec-4e6c-aa09-30e0cfc37fdb");
inline constexpr UniqueIdentifier TurnFace = HostId("32e72793-7eeb-4888-bb91-a6005915be02");
inline constexpr UniqueIdentifier TurnContour = HostId("1fc6309f-143e-4262-ab29-ff2005268126");
inline constexpr UniqueIdentifier TurnCutOff = HostId("4d2e29a6-13d2-4f3e-8193-7a4983c0980e");
inline constexpr UniqueIdentifier TurnGroove = HostId("dc547bd5-c2d7-4c46-bba0-38429396a8e9");
inline constexpr UniqueIdentifier HoleDrill = HostId("062fbe67-1e47-4a9e-a8b9-13fdeaba92a8");
inline constexpr UniqueIdentifier HoleCentre = HostId("e1f90319-24fd-4997-b53c-cc09075c6f14");
inline constexpr UniqueIdentifier HoleCountersink = HostId("855262f5-f828-4f87-8cb7-1f2a382e976c");
inline constexpr UniqueIdentifier HoleReam = HostId("9e1594c6-9fe3-4936-922b-9635c169b2af");
inline constexpr UniqueIdentifier HoleCounterbore = HostId("b7a3ebf9-5523-47ef-9638-6e7255c7bcb8");
inline constexpr UniqueIdentifier HoleThread = HostId("6cb6672b-5366-4b85-831c-2be5549d9bb6");
} // namespace StrategyKinds

// Machining parameters. Most strategy kinds share them; face milling has its own feed and
// spindle speed and plunge milling its own pass step.
namespace MachiningParams {
inline constexpr UniqueIdentifier Feed = HostId("1fbab99f-21cd-44f2-b5c8-1f00e79535a4");
inline constexpr UniqueIdentifier SpindleSpeed = HostId("52650f0a-2a32-480e-8a6c-63a2c4a60af9");
inline constexpr UniqueIdentifier FaceFeed = HostId("32cb067e-4594-4396-948e-eab60a27a382");
inline constexpr UniqueIdentifier FaceSpindleSpeed = HostId("db8c3df0-0643-4226-ae8f-ba59b0be3b5b");
inline constexpr UniqueIdentifier PlungePassStep = HostId("9393541a-8f20-4798-bc35-07fcb5a50036");
inline constexpr UniqueIdentifier PartAllowance = HostId("9e83ccca-5c87-4bc7-a1dd-6acfbb5cf3fd");
inline constexpr UniqueIdentifier Offset = HostId("ceead2b8-ff08-48ad-812f-89e61b1dd051");
inline constexpr UniqueIdentifier AxialOffset = HostId("1446cd3d-c86a-4816-9e36-270f64cd0225");
inline constexpr UniqueIdentifier RadialOffset = HostId("a36bc6d5-219a-478b-b122-461f48151ce7");
inline constexpr UniqueIdentifier Depth = HostId("541d42e3-0da7-45c6-b5ae-4119a351c1b1");
inline constexpr UniqueIdentifier LayerNumber = HostId("7009868a-d690-4fdf-8af5-383555cddff5");
inline constexpr UniqueIdentifier DepthStep = HostId("4dc79646-786d-404c-8cc4-f409f8122512");
inline constexpr UniqueIdentifier PassStep = HostId("879ec5bb-f698-47b7-a316-fb02cc1ffb45");
inline constexpr UniqueIdentifier Tolerance = HostId("eb55f242-8f57-4b40-b230-305b364521a2");
// The parameter groups (aggregate values) of a machining.
inline constexpr UniqueIdentifier FeedsGroup = HostId("bc2ae142-f708-46b8-8a3e-1b7c1ab1c3af");
inline constexpr UniqueIdentifier AllowancesGroup = HostId("858fae33-3f72-4e22-81bf-3e478e1b91ab");
inline constexpr UniqueIdentifier PassesGroup = HostId("031da5ea-8e97-4314-a1dd-a7891f7c2f66");
} // namespace MachiningParams

// Stock kinds (a stock of host stock type 1 is a block or a cylinder by its bounding shape).
namespace StockKinds {
inline constexpr UniqueIdentifier Body = HostId("b7ee5de6-61d7-4085-aab4-87926904fb7f");
inline constexpr UniqueIdentifier Bounding = HostId("5dc07980-2b50-46b5-8224-801ebbe47e00");
inline constexpr UniqueIdentifier Extrusion = HostId("29696128-5b9d-426f-a34e-cd99eee83e41");
inline constexpr UniqueIdentifier Rotation = HostId("fc9a5481-c066-4524-ae3c-b1bd46e45eb2");
inline constexpr UniqueIdentifier Section = HostId("5c816567-4a33-4ce1-8075-edf578ee0f9d");
} // namespace StockKinds

// The class of shared geometry sets.
inline constexpr UniqueIdentifier SharedGeometrySetClass = HostId("c5ddec22-6616-4350-969a-d034c38e1390");

// Geometry-set types known to the type manager.
namespace GeometrySetTypes {
inline constexpr UniqueIdentifier Machining = HostId("61d9cd76-5d7b-4517-b58b-ce57e5bbfcbe");
inline constexpr UniqueIdentifier Turning = HostId("6162d0be-9ea6-4339-a609-ec96afbb9941");
} // namespace GeometrySetTypes

// Slots of a geometry set.
namespace GeometrySlots {
inline constexpr UniqueIdentifier Part = HostId("7eaf7d26-20e1-4f10-90e5-8a1dbc6dfaa9");
inline constexpr UniqueIdentifier Fixture = HostId("e0717ec0-b61a-45d9-bcb7-bfe5482285c9");
inline constexpr UniqueIdentifier Stock = HostId("b9c98044-f266-4990-bba1-8cb35dd972f2");
} // namespace GeometrySlots

} // namespace Vireo::Cam::HostIds
