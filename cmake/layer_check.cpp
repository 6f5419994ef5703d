// Linked with one layer's whole library by vant_layer_check(); it runs nothing.
int main()
{
    return 0;
}
