#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "platform/LinuxDriveService.h"
#include "platform/StorageVolumeSource.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

class FakeVolumes : public VolumeSource {
 public:
  explicit FakeVolumes(std::vector<Volume> volumes) : m_volumes(std::move(volumes)) {}
  std::vector<Volume> volumes() override { return m_volumes; }

 private:
  std::vector<Volume> m_volumes;
};

constexpr std::int64_t gigabyte = 1'000'000'000;

Volume disk(const char* root, const char* device, bool removable = false) {
  return Volume{root, device, "ext4", true, 100 * gigabyte, removable};
}

QStringList rootsOf(const std::vector<Drive>& drives) {
  QStringList roots;
  for (const Drive& drive : drives) roots << drive.root;
  return roots;
}

TEST(LinuxDrives, LeavesOutPseudoUnreadyAndEmptyVolumes) {
  FakeVolumes volumes({disk("/home", "/dev/sda2"), disk("/", "/dev/sda1"),
                       Volume{"/run", "tmpfs", "tmpfs", true, gigabyte, false},
                       Volume{"/proc", "proc", "proc", true, 0, false},
                       Volume{"/snap/core/1", "/dev/loop0", "squashfs", true, gigabyte, false},
                       Volume{"/media/cd", "/dev/sr0", "iso9660", false, 0, true},
                       Volume{"/mnt/empty", "/dev/sdc1", "vfat", true, 0, false}, disk("/home", "/dev/sda2")});
  LinuxDriveService service(volumes, "/home/ann");
  const std::vector<Drive> drives = service.drives();
  EXPECT_EQ(rootsOf(drives), (QStringList{"/", "/home"}));
  for (const Drive& drive : drives) EXPECT_EQ(drive.name, drive.root);
}

struct DriveARow {
  const char* name;
  std::vector<Volume> volumes;
  QString home;
  QString expectedRoot;
  bool expectedRemovable;
};

class DriveA : public ::testing::TestWithParam<DriveARow> {};

TEST_P(DriveA, IsFirstRemovableElseTheHomeVolume) {
  FakeVolumes volumes(GetParam().volumes);
  LinuxDriveService service(volumes, GetParam().home);
  const Drive a = service.driveA();
  EXPECT_EQ(a.root, GetParam().expectedRoot);
  EXPECT_EQ(a.removable, GetParam().expectedRemovable);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DriveA,
    ::testing::Values(
        DriveARow{"removableWins",
                  {disk("/", "/dev/sda1"), disk("/run/media/ann/STICK", "/dev/sdb1", true),
                   disk("/media/zip", "/dev/sdc1", true)},
                  "/home/ann",
                  "/media/zip",
                  true},
        DriveARow{"homeVolume", {disk("/", "/dev/sda1"), disk("/home", "/dev/sda2")}, "/home/ann", "/home", false},
        DriveARow{"homeIsAMountPoint",
                  {disk("/", "/dev/sda1"), disk("/home/ann", "/dev/sda3")},
                  "/home/ann/",
                  "/home/ann",
                  false},
        DriveARow{
            "similarNameIsNotHome", {disk("/", "/dev/sda1"), disk("/home2", "/dev/sda2")}, "/home/ann", "/", false},
        DriveARow{"noVolumes", {}, "/home/ann", "/", false}),
    [](const auto& row) { return std::string(row.param.name); });

class RemovableDetection : public ::testing::Test {
 protected:
  void flag(const QString& disk, const char* value) {
    QFile file(m_temp.file("block/" + disk + "/removable"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(value);
  }
  test::TempFolder m_temp;
};

TEST_F(RemovableDetection, FromMountPlaceOrKernelFlag) {
  flag("sda", "0\n");
  flag("sdb", "1\n");
  flag("mmcblk0", "1\n");
  StorageVolumeSource source(m_temp.path() + "/block");
  EXPECT_TRUE(source.isRemovable("/media/ann/STICK", "tmpfs"));
  EXPECT_TRUE(source.isRemovable("/run/media/ann/STICK", "/dev/sda1"));
  EXPECT_FALSE(source.isRemovable("/", "/dev/sda1"));
  EXPECT_TRUE(source.isRemovable("/mnt/stick", "/dev/sdb1"));
  EXPECT_TRUE(source.isRemovable("/mnt/card", "/dev/mmcblk0p2"));
  EXPECT_FALSE(source.isRemovable("/mnt/unknown", "/dev/nvme0n1p1"));
  EXPECT_FALSE(source.isRemovable("/mediaextra", "overlay"));
}

TEST(StorageVolumes, ThisMachineHasAtLeastOneDrive) {
  StorageVolumeSource source;
  LinuxDriveService service(source, QDir::homePath());
  EXPECT_FALSE(service.drives().empty());
  EXPECT_FALSE(service.driveA().root.isEmpty());
}

}  // namespace
}  // namespace lunasoma
