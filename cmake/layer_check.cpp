// Linked with one layer's every object and the layers below it only; see CMakeLists.txt.
int main() {
    return 0;
}
